// The address map of the own node: which object answers which 16-bit index (and sub-index) of an OBJ_Address.
//
// Index bits 12-14 select the view; for the views 0, 2, 3, 4, 6 and 7 the low 12 bits name one value of one
// controller object: bits 8-11 its family (OBJ_FAM_*), bits 0-7 the value code (OBJ_VC_*); the sub-index is the
// object's index in its family (function slot, input number - 1, ...).
//   0x0fvv  text answer: name of the value, for a choice "name: choice text"     (links, labels)
//   0x1nnn  choice-list items, nnn = 0x100 + list number, sub-index = position   (selection lists)
//   0x2fvv  entry description                                                    (description rule)
//   0x3fvv  value answer                                                         (value rule)
//   0x4fvv  entry description, alias of 0x0fvv, 0x2fvv and 0x3fvv                (menu-entry dispatcher)
//   0x5xxx  menus: 0x5000 + 64 family + page for an object's own pages, sub-index = the object; 0x5800 and above
//           the node's menus (root 0x5800), by index and sub-index (OBJ_MENU_*)
//   0x6fvv  text answer, as 0x0fvv, for records that name it absolutely
//   0x7fvv  value answer that is also a full entry description (absolute references across objects)
//   0xBfvv  text answer, as 0x0fvv: bit 15 (OBJ_LABEL_FLAG) over the value view. A panel record that names
//           0x8fvv reads its label by the value rule (0xBfvv) and its entry by the description rule (0xAfvv,
//           read at 0xCfvv); with the other views bit 15 changes nothing.
// Writes ({type, value} as the menu-entry dispatcher builds them) are accepted at 0x0, 0x2, 0x3, 0x4, 0x6 and 0x7.
// Fixed objects of the node:
//   0x1008  device name, 8-bit text          0x2512  device name: 2 bytes, then UTF-16 text
//   0x23E2  sub-index 1: device type, 4 bytes
//   0x57E2  node status (64 bytes: clock seconds, indicator flags, 16 output indicators, calendar fields)
//   0x57F0  access-code check, sub-index = level; 0x57F1 access-code change, sub-index = level. Reads of fewer
//           than 16 bytes answer {level, result of the last check, 0, 0, 0}; longer reads answer the line text
//   0x57FF  access-code table
//   0x57D0  folder listing of the internal memory (function-data files); 0x57D1 load, 0x57D2 save as, by name
//   0x57C0  24x24 one-bit picture of the node
// A menu object read with room for fewer than OBJ_MENU_MIN_READ bytes answers its title as a text answer (how
// link lines and tiles label themselves); with more room it answers the menu description.
#pragma once
#include <cstdint>

enum {
  OBJ_VIEW_TEXT = 0x0000,
  OBJ_VIEW_ITEMS = 0x1000,
  OBJ_VIEW_DESC = 0x2000,
  OBJ_VIEW_VALUE = 0x3000,
  OBJ_VIEW_ALIAS = 0x4000,
  OBJ_VIEW_MENU = 0x5000,
  OBJ_VIEW_TEXT_ABS = 0x6000,
  OBJ_VIEW_ENTRY_ABS = 0x7000,
  OBJ_LABEL_FLAG = 0x8000,
};

enum {
  OBJ_FAM_FUNCTION = 0,
  OBJ_FAM_INPUT = 1,
  OBJ_FAM_OUTPUT = 2,
  OBJ_FAM_FIXED = 3,
  OBJ_FAM_GENERAL = 4,
  OBJ_FAM_CAN = 5,
  OBJ_FAM_SYSTEM = 6,  // node values: date, time, function creation
  OBJ_FAM_CAN_AI = 7,
  OBJ_FAM_CAN_DI = 8,
  OBJ_FAM_CAN_AO = 9,
  OBJ_FAM_CAN_DO = 10,
  OBJ_FAM_DL_IN = 11,
  OBJ_FAM_DL_OUT = 12,
  OBJ_FAM_LOG_A = 13,
  OBJ_FAM_LOG_D = 14,
  OBJ_NUM_FAMILIES = 15,
};

// Value codes (bits 0-7).
enum {
  OBJ_VC_PARAM = 0x00,      // 0x00-0x7F: parameter 0..127
  OBJ_VC_IN_VALUE = 0x80,   // 0x80-0x8F: cached value of input variable i
  OBJ_VC_IN_KIND = 0x90,    // 0x90-0x9F: source kind of input variable i
  OBJ_VC_IN_INDEX = 0xA0,   // 0xA0-0xAF: source index of input variable i
  OBJ_VC_OUTPUT = 0xB0,     // 0xB0-0xBF: output variable j
  OBJ_VC_COMMAND = 0xC0,    // 0xC0-0xC7: command k
  OBJ_VC_SPECIAL = 0xC8,    // 0xC8-0xCF: special value s
  OBJ_VC_NAME = 0xD0,       // object name ("Input 3")
  OBJ_VC_USER_TEXT = 0xD1,  // user designation (text entry, up to 24 characters)
  OBJ_VC_IN_OWN = 0xE0,     // 0xE0-0xEF: own value of input variable i (its value while bound to "Own value")
  OBJ_VC_HEADER = 0xF0,     // 0xF0-0xF6: header fields -16..-10
};

// Values of the system family (sub-index 0).
enum {
  OBJ_SYS_DATE = 0,         // packed date, unit 62
  OBJ_SYS_TIME = 1,         // minutes since midnight, unit 4
  OBJ_SYS_NEW_MESSAGE = 2,  // write 1: a new message function in the first free slot (technician)
  OBJ_SYS_SAVE = 3,         // write 1: save the function data
  OBJ_SYS_NODE = 4,         // own node number (read-only)
  OBJ_SYS_MESSAGES = 5,     // number of active messages (read-only)
  OBJ_SYS_FACTORY_RESET = 11,  // write 1: back to factory settings, the data saved as "M0:\_Backup.dat" (expert)
  OBJ_SYS_DEVICE = 6,       // text only: device name
  OBJ_SYS_VERSION = 7,      // text only: software version
  OBJ_SYS_LEVEL = 8,        // text only: 8, 9, 10 the names of the access levels
  OBJ_SYS_INPUT_RANGE = 12, // text only: the eight inputs of service page n (the sub-index), "Inputs 1 - 8"
  OBJ_SYS_COUNT = 13,
};

enum {
  OBJ_IDX_NAME8 = 0x1008,
  OBJ_IDX_NAME16 = 0x2512,
  OBJ_IDX_DEVICE_TYPE = 0x23E2,
  OBJ_IDX_PICTURE = 0x57C0,
  OBJ_IDX_LISTING = 0x57D0,
  OBJ_IDX_LOAD_FILE = 0x57D1,
  OBJ_IDX_SAVE_FILE = 0x57D2,
  OBJ_IDX_NODE_STATUS = 0x57E2,
  OBJ_IDX_CODE_CHECK = 0x57F0,
  OBJ_IDX_CODE_CHANGE = 0x57F1,
  OBJ_IDX_ACCESS_TABLE = 0x57FF,
  OBJ_IDX_ROOT = 0x5800,
  OBJ_FIRST_NODE_MENU = 0x5800,
  OBJ_MENU_MIN_READ = 256,
  OBJ_ITEM_LIST_BASE = 0x100,
};

// Node menus (index, sub-index) served by the node itself (OBJ_NodeMenus.cpp).
#define OBJ_MENU_ROOT 0x5800u, 0       // root: tiles
#define OBJ_MENU_MESSAGES 0x5800u, 4   // active messages (title-bar indicators)
#define OBJ_MENU_OUTPUTS 0x5800u, 6    // outputs overview (title bar)
#define OBJ_MENU_CLOCK 0x5800u, 13     // date and time (title-bar clock)
#define OBJ_MENU_QUICK_A 0x5A85u, 3    // quick button A: inputs
#define OBJ_MENU_QUICK_B 0x5800u, 11   // quick button B: fixed values

inline uint16_t OBJ_ValueIndex(int View, int Family, int Code) {
  return (uint16_t)(View | (Family & 15) << 8 | (Code & 0xFF));
}
inline uint16_t OBJ_MenuIndex(int Family, int Page) { return (uint16_t)(0x5000 + Family * 64 + (Page & 63)); }
inline uint32_t OBJ_MakeAddress(int Node, int Sub, uint16_t Index) {
  return (uint32_t)(Node & 0xFF) << 24 | (uint32_t)(Sub & 0xFF) << 16 | Index;
}
