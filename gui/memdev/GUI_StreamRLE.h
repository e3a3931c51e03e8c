// Library-internal: drawing run-length streamed bitmaps read through a get-data routine.
#pragma once

#include "GUI_StreamPrivate.h"

// 1 for the format codes of the run-length formats.
int GUI__IsRLEStreamFormat(unsigned Code);

// Draws a run-length stream whose header was read (window coordinates). 0 drawn, 1 refused or the stream
// ended early or did not fit its picture (what was decoded stays drawn).
int GUI__DrawStreamedRLE(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, const GUI__STREAM_HEADER* h);
