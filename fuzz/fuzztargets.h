#pragma once

#include <cstddef>
#include <cstdint>

// The fuzz targets, one per .cpp in this folder. Each takes any bytes, returns 0, and aborts
// with a message when a promise of the code under test is broken.
int fuzzM3uParser(const uint8_t* data, size_t size);
int fuzzXtreamParser(const uint8_t* data, size_t size);
int fuzzCatalogFile(const uint8_t* data, size_t size);
int fuzzCatalogCache(const uint8_t* data, size_t size);
int fuzzPairingResponses(const uint8_t* data, size_t size);
int fuzzPairingBackend(const uint8_t* data, size_t size);
int fuzzXmltv(const uint8_t* data, size_t size);
int fuzzXtreamEpg(const uint8_t* data, size_t size);
