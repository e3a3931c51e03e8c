// The function-data file: a 256-byte text header and the 256,000-byte object image (CRC-32 in its last four
// bytes) enciphered with AES-256 in CBC mode; 256,256 bytes in all.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
  DAT_HEADER_SIZE = 256,
  DAT_IMAGE_SIZE = 256000,
  DAT_FILE_SIZE = DAT_HEADER_SIZE + DAT_IMAGE_SIZE,
};

// Results of loading (0 = loaded). -1 to -3 come from the header parser.
enum {
  DAT_OK = 0,
  DAT_ERR_MAGIC = -1,     // first line is not the function-data signature
  DAT_ERR_HEADER = -2,    // a key is missing or has a value this controller does not read
  DAT_ERR_SIZE = -3,      // DATA_SIZE or the file's length is not the image size
  DAT_ERR_CRC = -4,       // the deciphered image fails its CRC-32
  DAT_ERR_OPEN = -5,      // the file cannot be opened or read
  DAT_ERR_CONTENT = -6,   // the image's records are malformed or name objects this controller lacks
  DAT_ERR_WRITE = -7,     // saving failed
};

// Why a load failed, in a few words for the user ("checksum wrong"); "" for DAT_OK.
const char* DAT_ErrorText(int Result);

extern const char DAT_Signature[];  // "ORVALDI_KLIMAREGELWERK_DAT_FILE"

// Parses a header of DAT_HEADER_SIZE bytes: DAT_OK or DAT_ERR_MAGIC / DAT_ERR_HEADER / DAT_ERR_SIZE.
int DAT_ParseHeader(const uint8_t* pHeader, size_t NumBytes);
// Writes the header of this controller into pHeader (DAT_HEADER_SIZE bytes).
void DAT_MakeHeader(uint8_t* pHeader);

enum { DAT_IMAGE_RECORDS = 8 };  // offset of the first record, behind the image's magic and version
// Puts the magic and version in front of a plain image's records and the CRC-32 into its last four bytes.
void DAT_SealImage(uint8_t* pImage);
// Serialises every controller object into a plain image of DAT_IMAGE_SIZE bytes (with its CRC). 1 done.
int DAT_BuildImage(uint8_t* pImage);
// Checks a plain image (CRC, then every record) without touching an object: DAT_OK, DAT_ERR_CRC or DAT_ERR_CONTENT.
int DAT_CheckImage(const uint8_t* pImage);
// Checks, then re-initialises every controller object from a plain image. Nothing changes unless it returns DAT_OK.
int DAT_ApplyImage(const uint8_t* pImage);

// Whole files in memory (header + enciphered image). Load checks header, size and CRC first.
int DAT_EncodeFile(uint8_t* pFile);  // pFile: DAT_FILE_SIZE bytes; 1 done
// The file of a given plain image: this controller's header and the image enciphered (pFile: DAT_FILE_SIZE bytes).
void DAT_EncodeImage(const uint8_t* pImage, uint8_t* pFile);
int DAT_LoadFunctionDataBytes(const uint8_t* pFile, size_t NumBytes);

// Loads a function-data file (controller path: "M0:\..." or a host path). Quiet 0: a failure is shown to the
// user through the UI hook. Returns DAT_OK or a negative status; a refused file changes nothing.
int DAT_LoadFunctionDataFile(const char* sPath, int Quiet);
// Saves all objects to a file, through a temporary file that is renamed, so a crash never leaves a torn file.
// DAT_OK, or DAT_ERR_WRITE when the file could not be written (the old one stays as it was); the reason goes to
// the host as a notice (APP_Report).
int DAT_SaveFunctionDataFile(const char* sPath);
// Saves as "tmp.dat" in APP_UserFolder; the result of DAT_SaveFunctionDataFile.
int DAT_SaveTmpFile();
// Path of "tmp.dat" in APP_UserFolder.
int DAT_GetTmpFilePath(char* pOut, size_t OutSize);
