// The settings objects: general settings (language, access codes, network-page level) and CAN settings.
#pragma once
#include <cstdint>

#include "FKT_Base.h"
#include "TXT_Current.h"
#include "WHIRL.h"

enum {
  SET_GEN_PAR_LANGUAGE = 0,       // 0..6
  SET_GEN_PAR_BRIGHTNESS = 1,     // display brightness in percent
  SET_GEN_PAR_SCREEN_SAVER = 2,   // minutes, 0 = off
  SET_GEN_PAR_SUMMER_TIME = 3,    // automatic summer time 0/1
  SET_GEN_PAR_TECH_CODE = 4,      // technician's access-code record (64 bytes, see GetCodeRecord)
  SET_GEN_PAR_EXPERT_CODE = 5,    // expert's access-code record
  SET_GEN_PAR_CHANGED = 10,       // 1 once the function data was changed since the last load
  SET_GEN_PAR_NETWORK_LEVEL = 11, // access level required for the network page
  SET_GEN_NUM_PARS = 12,
};

enum {
  SET_CAN_PAR_NODE = 0,      // own node number 1..62
  SET_CAN_PAR_BIT_RATE = 1,  // choice of bit rates
  SET_CAN_PAR_AUTO = 2,      // automatic operation 0/1
};

enum { SET_NUM_LANGUAGES = 7, SET_CODE_MAX_CHARS = 24 };

class FUNKTION_GlobalSettings : public FUNKTION_BASIS_PAR {
 public:
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  const char16_t* GetPageTitle(int Page) const override;
  FUNKTION_GlobalSettings();
  const char16_t* GetClassName() const override { return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_GENERAL_SETTINGS); }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  void* GetParamBlock() override { return &_Par; }
  const char16_t* GetParameterName(int Number) const override;
  void StoreToImage(DAT_WRITER* pWriter) const override;
  int LoadFromImage(DAT_READER* pReader, int Apply) override;
  void ResetToDefaults() override;
  // The access-code record of level 1 (technician) or 2 (expert): a 64-byte Whirlpool digest.
  const uint8_t* GetCodeRecord(int Level) const;
  void SetCodeRecord(int Level, const uint8_t* pRecord);
  // Checks a code (UTF-16 characters) against the record of a level. 1 when it matches.
  int CheckCode(int Level, const char16_t* pCode, int NumChars) const;
  // 1 when the level has no code of its own (its record is the program's default record): open without a code.
  int IsLevelOpen(int Level) const;
  struct PARAMS {
    uint8_t Language, Brightness, ScreenSaver, SummerTime, Changed, NetworkLevel, Reserved[2];
  };

 private:
  PARAMS _Par{};
  uint8_t _aCode[2][WHIRL_DIGEST_SIZE];
};

class FUNKTION_GlobalSettingsCAN : public FUNKTION_BASIS_PAR {
 public:
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  FUNKTION_GlobalSettingsCAN();
  const char16_t* GetClassName() const override { return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_CAN_SETTINGS); }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  void* GetParamBlock() override { return &_Par; }
  const char16_t* GetParameterName(int Number) const override;
  struct PARAMS {
    uint8_t Node, BitRate, Auto, Reserved;
  };

 private:
  PARAMS _Par{};
};

extern FUNKTION_GlobalSettings SET_General;
extern FUNKTION_GlobalSettingsCAN SET_Can;

// Digest of a code as the access-code records hold it (the code's UTF-16 characters, little-endian).
void SET_MakeCodeRecord(const char16_t* pCode, int NumChars, uint8_t* pRecord);
// The program's default access-code record: the record of an empty code, meaning "no code set".
const uint8_t* SET_DefaultCodeRecord();
// Factory codes of the technician and the expert.
extern const char16_t SET_FactoryCodeTechnician[];
extern const char16_t SET_FactoryCodeExpert[];
// Checks the settings block (the control cycle does so once per cycle); repairs values outside their limits.
int SET_CheckSettings();
