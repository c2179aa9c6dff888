// The state every scene reads and writes: the scene clock, the veil, the
// program-wide variables that carry from one scene into a later one, and the
// pictures and music that start-up loaded. One record, so tests can read and
// reset it.
#pragma once

#include <array>

#include "draw/draw.h"

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

struct DemoState {
  float startTime = 0.0f;  // the millisecond clock when the music started
  float elapsed = 0.0f;    // milliseconds since startTime, taken at the top of each frame
  float fadeAlpha = 0.0f;  // alpha of the fading veil

  float spin = 0.0f;
  float slideX = 0.0f;
  float slideX2 = 0.0f;
  int signIndex = 0;
  float twistPhase = 0.0f;
  float twistAngle = 60.0f;
  float flashFrame = 0.0f;
  float animFrame = 0.0f;
  int discAngle[11] = {};
  int discX[11] = {};
  int discY[11] = {};

  TImage* kivvi = nullptr;
  TImage* vortex = nullptr;
  TImage* zorvolasit = nullptr;
  TImage* stara = nullptr;
  TImage* tanssija = nullptr;
  TImage* juna = nullptr;
  TImage* kepra = nullptr;
  TImage* lentaja = nullptr;
  TImage* lennattaja = nullptr;
  TImage* fonka = nullptr;
  TImage* skroll = nullptr;
  std::array<TImage*, 2> signImages{};
  std::array<TImage*, 4> zorvoAnim{};
  std::array<TImage*, 4> mekkoAnim{};
  std::array<TImage*, 4> kivviFlash{};
  TSound* music = nullptr;
};

extern DemoState demo;

// The ten scenes, in the order they play.
void Scene1();
void Scene2();
void Scene3();
void Scene4();
void Scene5();
void Scene6();
void Scene7();
void Scene8();
void Scene9();
void Scene10();
