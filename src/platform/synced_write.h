#pragma once
#include <cstddef>
#include <string>

// Writes `size` bytes to `path` (creating or truncating it) and waits until they are on the disk.
// True only when every byte was written, flushed and the file closed without error. Settings files
// are renamed over their old copy right after: without the flush a power cut could leave the new
// name pointing at an empty file.
bool WriteWholeFileSynced(const std::string& path, const void* data, size_t size);
