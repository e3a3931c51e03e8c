// Movies: files of JPEG frames with an index, played at a fixed time per frame by a GUI timer at a screen
// position. Each timer tick draws the frame loaded before and loads the next one; frames whose time has
// passed are dropped without being drawn. The application learns of every step through a notification.
//
// Movie file (little-endian): 10 identification bytes, XSize u16, YSize u16, ms per frame u16, NumFrames
// u32, offset of the frame index u32; frames (16-byte header: u32, 0xFF010000, JPEG byte count, u32; then
// the JPEG data) lie before the index of NumFrames u32 file offsets, ascending.
#pragma once

#include "GUI_Bitmap.h"

typedef GUI_HMEM GUI_MOVIE_HANDLE;

struct GUI_MOVIE_INFO {
  int xSize;
  int ySize;
  int msPerFrame;
  int NumFrames;
};

// Notifications (hMovie, Notification, CurrentFrame).
enum {
  GUI_MOVIE_NOTIFICATION_PREDRAW = 0,   // before a frame is drawn
  GUI_MOVIE_NOTIFICATION_POSTDRAW = 1,  // after it is drawn
  GUI_MOVIE_NOTIFICATION_START = 2,     // playback started
  GUI_MOVIE_NOTIFICATION_STOP = 3,      // playback stopped (pause, end, error)
  GUI_MOVIE_NOTIFICATION_DELETE = 4,    // movie deleted (frame 0)
};
typedef void GUI_MOVIE_FUNC(GUI_MOVIE_HANDLE hMovie, int Notification, U32 CurrentFrame);

// Creation reads the header and loads frame 0; 0 when the file cannot be read. The memory form never reads
// beyond FileSize bytes.
GUI_MOVIE_HANDLE GUI_MOVIE_CreateEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_MOVIE_FUNC* pfNotify);
GUI_MOVIE_HANDLE GUI_MOVIE_Create(const void* pFileData, U32 FileSize, GUI_MOVIE_FUNC* pfNotify);
int GUI_MOVIE_Delete(GUI_MOVIE_HANDLE hMovie);
int GUI_MOVIE_GetInfo(const void* pFileData, U32 FileSize, GUI_MOVIE_INFO* pInfo);
int GUI_MOVIE_GetInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_MOVIE_INFO* pInfo);
int GUI_MOVIE_GetFrameIndex(GUI_MOVIE_HANDLE hMovie);
int GUI_MOVIE_GetPos(GUI_MOVIE_HANDLE hMovie, int* pxPos, int* pyPos, int* pxSize, int* pySize);
int GUI_MOVIE_SetPos(GUI_MOVIE_HANDLE hMovie, int xPos, int yPos);
int GUI_MOVIE_SetPeriod(GUI_MOVIE_HANDLE hMovie, unsigned Period);  // -> previous time per frame
int GUI_MOVIE_Show(GUI_MOVIE_HANDLE hMovie, int xPos, int yPos, int DoLoop);
int GUI_MOVIE_Play(GUI_MOVIE_HANDLE hMovie);   // 0 playing (or already), 1 no movie or no timer
int GUI_MOVIE_Pause(GUI_MOVIE_HANDLE hMovie);  // 0 when it was playing
int GUI_MOVIE_GotoFrame(GUI_MOVIE_HANDLE hMovie, U32 Index);
