#pragma once

// What the rest of the program reads of the disk, for callers that need more than one part.
#include "fileFacts.h"
#include "listDirectory.h"
#include "nameStore.h"
#include "nativeNames.h"
