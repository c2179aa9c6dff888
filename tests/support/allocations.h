// Test support: a count of every allocation the test process makes through
// operator new. Linking this in replaces the global allocation functions.
#pragma once

// Allocations made so far.
long AllocationsSoFar();
