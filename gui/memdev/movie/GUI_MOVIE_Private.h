// Library-internal record and routines of the movie player. The record is a GUI memory block reached by its
// handle; every routine takes the pointer afresh after anything that may run application code.
#pragma once

#include "GUI_MOVIE.h"

enum {
  MOVIE__HEADER_SIZE = 24,
  MOVIE__FRAME_HEADER_SIZE = 16,
  MOVIE__INDEX_CACHE = 100,     // index entries read at once
  MOVIE__FRAME_TAG = 0xFF010000u,
  MOVIE__MAGIC = 0x564F4D47u,   // marks a live movie record
};

struct GUI_MOVIE_OBJ {
  U32 Magic;
  U16 XSize, YSize, Period;
  U32 NumFrames, IndexOff;
  I32 CurrentFrame;
  U32 DueTime;
  I32 xPos, yPos;
  U8 DoLoop;
  U8 InTick;         // the timer routine runs: a deletion waits for its end
  U8 DeletePending;  // deleted (or asked to be, during a tick): no entry sees the movie any more
  GUI_GET_DATA_FUNC* pfGetData;
  void* pParam;
  const U8* pFileData;  // memory movies: the file and its size
  U32 FileSize;
  GUI_MOVIE_FUNC* pfNotify;
  GUI_TIMER_HANDLE hTimer;  // 0: not playing
  GUI_HMEM hFrame;          // the loaded frame: header and JPEG data
  I32 FrameSize;            // bytes of the loaded frame
  U32 FirstIndex, NumIndex;
  U32 aIndex[MOVIE__INDEX_CACHE];
};

GUI_MOVIE_OBJ* GUI_MOVIE__h2p(GUI_MOVIE_HANDLE hMovie);  // null for 0 or a handle that is no movie
int GUI_MOVIE__LoadFrame(GUI_MOVIE_HANDLE hMovie);        // the current frame into the frame buffer; 0 ok
void GUI_MOVIE__Notify(GUI_MOVIE_HANDLE hMovie, int Notification, U32 Frame);
void GUI_MOVIE__Stop(GUI_MOVIE_HANDLE hMovie);            // deletes the timer, notification 3
void GUI_MOVIE__Free(GUI_MOVIE_HANDLE hMovie);            // timer, frame, notification 4, record
