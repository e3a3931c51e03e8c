// Checksums of the controller's files and bus transfers.
#pragma once
#include <cstddef>
#include <cstdint>

// CRC-32, reflected polynomial 0xEDB88320, start 0xFFFFFFFF, no final inversion; length 0 gives 0xFFFFFFFF.
uint32_t CRC32_Calc(const void* pData, size_t NumBytes);
// Continues a CRC-32 from an earlier result (pass 0xFFFFFFFF to start).
uint32_t CRC32_Update(uint32_t Crc, const void* pData, size_t NumBytes);
// CRC-16, reflected polynomial 0xA001, from the given start value, no final inversion.
uint16_t CRC16_Calc(uint16_t Start, const void* pData, size_t NumBytes);
