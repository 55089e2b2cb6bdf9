#pragma once

#include <QtGlobal>

// A promise of the code under test that the input broke: abort, so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition) ((condition) ? void() : qFatal("check failed: %s", #condition))
