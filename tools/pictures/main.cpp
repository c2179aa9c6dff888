// gen-pictures: draws every picture of the demo into the directory named on
// the command line. Deterministic, so the build can rely on identical bytes.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "pictures.h"

namespace {

struct Picture {
  std::string file;
  std::function<Canvas()> draw;
};

std::vector<Picture> AllPictures() {
  std::vector<Picture> list = {
      {"kivvi.png", DrawKivviPicture},
      {"vortex.png", DrawVortex},
      {"zorvolasit.png", DrawZorvoStanding},
      {"stara.png", DrawStar},
      {"tanssija.png", DrawDancer},
      {"juna.png", DrawTrain},
      {"kepra.jpg", DrawNightValley},
      {"lentaja.png", DrawPlane},
      {"lennattaja.png", DrawKiteFlyer},
      {"no.png", [] { return DrawSign(false); }},
      {"yes.png", [] { return DrawSign(true); }},
      {"kivviw.jpg", [] { return DrawKivviBackdrop(true); }},
      {"kivvib.jpg", [] { return DrawKivviBackdrop(false); }},
      {"fonka.jpg", DrawPanorama},
      {"skroll.png", DrawCredits},
  };
  for (int frame = 0; frame < 4; ++frame) {
    const std::string number = "_000" + std::to_string(frame) + ".png";
    list.push_back({"zorvoanim" + number, [frame] { return DrawZorvoDance(frame); }});
    list.push_back({"mekkoanim" + number, [frame] { return DrawMekkoDance(frame); }});
  }
  return list;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "gen-pictures: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
    return 1;
  }
  for (const Picture& picture : AllPictures()) {
    const std::string path = (dir / picture.file).string();
    Canvas canvas = picture.draw();
    std::string error;
    const bool ok = EndsWith(picture.file, ".jpg") ? WriteJpeg(canvas, path, 90, error)
                                                   : WritePng(canvas, path, error);
    if (!ok) {
      std::fprintf(stderr, "gen-pictures: %s\n", error.c_str());
      return 1;
    }
  }
  ReleaseFontCaches();
  return 0;
}
