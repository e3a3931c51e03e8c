#include "SET_Objects.h"

#include <cstring>

#include "DAT_Image.h"
#include "FKT_ParamMacros.h"

FUNKTION_GlobalSettings SET_General;
FUNKTION_GlobalSettingsCAN SET_Can;
const char16_t SET_FactoryCodeTechnician[] = u"1234";
const char16_t SET_FactoryCodeExpert[] = u"5678";

namespace {

// Each language is named in itself, whatever the language shown; the order is the language number.
const char16_t* const _apLanguage[SET_NUM_LANGUAGES] = {u"Deutsch", u"English", u"Français", u"Italiano",
                                                        u"Español", u"Nederlands", u"Čeština"};
const FKT_ChoiceList _LanguageList = {_apLanguage, SET_NUM_LANGUAGES, 0, 0, 0, 0};
// Access levels: the user, technician and expert texts of the password group.
const FKT_ChoiceList _LevelList = {nullptr, 3, 0, 0, 0, TXT_GROUP_PASSWORD};
const char16_t* const _apBitRate[] = {u"50 kbit/s", u"125 kbit/s", u"250 kbit/s", u"500 kbit/s"};
const FKT_ChoiceList _BitRateList = {_apBitRate, 4, 0, 0, 0, 0};

using GP = FUNKTION_GlobalSettings::PARAMS;
const FKT_ParamDesc _aGeneralPar[SET_GEN_NUM_PARS] = {
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, GP, Language, 0, SET_NUM_LANGUAGES - 1, 0, 0, 0, &_LanguageList),
    FKT_PAR(FKT_ST_U8, GP, Brightness, 10, 100, 80, 0, 0, nullptr),
    FKT_PAR(FKT_ST_U8, GP, ScreenSaver, 0, 60, 10, 0, 0, nullptr),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, GP, SummerTime, 0, 1, 1, 0, 1, &FKT_NoYesList),
    FKT_PAR_NONE,
    FKT_PAR_NONE,
    FKT_PAR_NONE,
    FKT_PAR_NONE,
    FKT_PAR_NONE,
    FKT_PAR_NONE,
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE | FKT_PF_NOSTORE, GP, Changed, 0, 1, 0, 0, 2, &FKT_NoYesList),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, GP, NetworkLevel, 0, 2, 0, 0, 2, &_LevelList),
};
// Parameter names: items of text group PARAMS by parameter number, -1 for numbers without a name.
const int8_t _aGeneralName[SET_GEN_NUM_PARS] = {
    TXT_PARAMS_LANGUAGE, TXT_PARAMS_BRIGHTNESS, TXT_PARAMS_SCREEN_SAVER, TXT_PARAMS_SUMMER_TIME, TXT_PARAMS_TECH_CODE,
    TXT_PARAMS_EXPERT_CODE, -1, -1, -1, -1, TXT_PARAMS_DATA_CHANGED, TXT_PARAMS_NETWORK_LEVEL};

using CP = FUNKTION_GlobalSettingsCAN::PARAMS;
const FKT_ParamDesc _aCanPar[] = {
    FKT_PAR(FKT_ST_U8, CP, Node, 1, 62, 1, 0, 1, nullptr),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, CP, BitRate, 0, 3, 0, 0, 2, &_BitRateList),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, CP, Auto, 0, 1, 1, 0, 1, &FKT_NoYesList),
};
const TXT_ID _aCanName[] = {{TXT_GROUP_CAN, 12},  // "Node number", as the network page says it
                            {TXT_GROUP_PARAMS, TXT_PARAMS_BIT_RATE},
                            {TXT_GROUP_PARAMS, TXT_PARAMS_AUTO_OPERATION}};

uint8_t _aDefaultRecord[WHIRL_DIGEST_SIZE];
bool _DefaultReady;

int _StrLen(const char16_t* s) {
  int n = 0;
  while (s[n]) n++;
  return n;
}

}  // namespace

void SET_MakeCodeRecord(const char16_t* pCode, int NumChars, uint8_t* pRecord) {
  uint8_t bytes[2 * SET_CODE_MAX_CHARS] = {};
  if (NumChars < 0) NumChars = 0;
  if (NumChars > SET_CODE_MAX_CHARS) NumChars = SET_CODE_MAX_CHARS;
  for (int i = 0; i < NumChars; i++) DAT_Store16(bytes + 2 * i, (uint16_t)pCode[i]);
  WHIRL_Hash(bytes, 2 * NumChars, pRecord);
}

const uint8_t* SET_DefaultCodeRecord() {
  if (!_DefaultReady) {
    SET_MakeCodeRecord(u"", 0, _aDefaultRecord);
    _DefaultReady = true;
  }
  return _aDefaultRecord;
}

// ---- General settings ----

FUNKTION_GlobalSettings::FUNKTION_GlobalSettings() : FUNKTION_BASIS_PAR(FKT_TYPE_SET_GENERAL, 0) {
  FUNKTION_GlobalSettings::ResetToDefaults();
}

const FKT_ParamDesc* FUNKTION_GlobalSettings::GetParamTable(int* pCount) const {
  *pCount = SET_GEN_NUM_PARS;
  return _aGeneralPar;
}

const char16_t* FUNKTION_GlobalSettings::GetParameterName(int n) const {
  return (n >= 0 && n < SET_GEN_NUM_PARS && _aGeneralName[n] >= 0) ? TXT_GetText(TXT_GROUP_PARAMS, _aGeneralName[n])
                                                                   : nullptr;
}

void FUNKTION_GlobalSettings::ResetToDefaults() {
  FUNKTION_BASIS_PAR::ResetToDefaults();
  SET_MakeCodeRecord(SET_FactoryCodeTechnician, _StrLen(SET_FactoryCodeTechnician), _aCode[0]);
  SET_MakeCodeRecord(SET_FactoryCodeExpert, _StrLen(SET_FactoryCodeExpert), _aCode[1]);
}

const uint8_t* FUNKTION_GlobalSettings::GetCodeRecord(int Level) const {
  return (Level == 1 || Level == 2) ? _aCode[Level - 1] : nullptr;
}

void FUNKTION_GlobalSettings::SetCodeRecord(int Level, const uint8_t* pRecord) {
  if ((Level == 1 || Level == 2) && pRecord) memcpy(_aCode[Level - 1], pRecord, WHIRL_DIGEST_SIZE);
}

int FUNKTION_GlobalSettings::CheckCode(int Level, const char16_t* pCode, int NumChars) const {
  const uint8_t* pRec = GetCodeRecord(Level);
  if (!pRec || NumChars < 0 || NumChars > SET_CODE_MAX_CHARS) return 0;
  uint8_t d[WHIRL_DIGEST_SIZE];
  SET_MakeCodeRecord(pCode, NumChars, d);
  return memcmp(d, pRec, WHIRL_DIGEST_SIZE) == 0;
}

int FUNKTION_GlobalSettings::IsLevelOpen(int Level) const {
  const uint8_t* pRec = GetCodeRecord(Level);
  return pRec && memcmp(pRec, SET_DefaultCodeRecord(), WHIRL_DIGEST_SIZE) == 0;
}

void FUNKTION_GlobalSettings::StoreToImage(DAT_WRITER* w) const {
  FUNKTION_BASIS_PAR::StoreToImage(w);
  w->PutBytes(_aCode[0], WHIRL_DIGEST_SIZE);
  w->PutBytes(_aCode[1], WHIRL_DIGEST_SIZE);
}

int FUNKTION_GlobalSettings::LoadFromImage(DAT_READER* r, int Apply) {
  if (!FUNKTION_BASIS_PAR::LoadFromImage(r, Apply)) return 0;
  uint8_t a[2][WHIRL_DIGEST_SIZE];
  if (!r->GetBytes(a, sizeof(a))) return 0;
  if (Apply) memcpy(_aCode, a, sizeof(a));
  return 1;
}

// ---- CAN settings ----

FUNKTION_GlobalSettingsCAN::FUNKTION_GlobalSettingsCAN() : FUNKTION_BASIS_PAR(FKT_TYPE_SET_CAN, 0) {
  ResetToDefaults();
}

const FKT_ParamDesc* FUNKTION_GlobalSettingsCAN::GetParamTable(int* pCount) const {
  *pCount = FKT_COUNT_OF(_aCanPar);
  return _aCanPar;
}

const char16_t* FUNKTION_GlobalSettingsCAN::GetParameterName(int n) const {
  return (n >= 0 && n < FKT_COUNT_OF(_aCanName)) ? TXT_GetText(_aCanName[n]) : nullptr;
}

// ---- Check ----

static void _Repair(FUNKTION_BASIS_PAR* p, int* pRepaired) {
  int n = 0;
  const FKT_ParamDesc* t = p->GetParamTable(&n);
  for (int i = 0; t && i < n; i++) {
    if (t[i].Flags & FKT_PF_UNUSED) continue;
    int32_t v = p->GetParameter(i);
    if (v < t[i].Min || v > t[i].Max) {
      p->SetParameterRaw(i, t[i].Default);
      (*pRepaired)++;
    }
  }
}

int SET_CheckSettings() {
  int repaired = 0;
  _Repair(&SET_General, &repaired);
  _Repair(&SET_Can, &repaired);
  return repaired;
}
