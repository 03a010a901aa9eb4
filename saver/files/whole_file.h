#pragma once
// A whole file read into memory, for the small files the saver reads at once: its settings file
// and picture files. A reader is told why a file could not be read, so that it can say so.

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

enum class FileReadResult {
    Read,
    Missing,    // the file or its folder does not exist
    Locked,     // another program holds it open without sharing it
    TooLarge,   // larger than the caller's limit: not read into memory
    Unreadable, // anything else: no access, a device error, a folder
};

struct WholeFile {
    FileReadResult result = FileReadResult::Unreadable;
    std::vector<std::uint8_t> bytes; // the file's bytes when read
};

WholeFile ReadWholeFile(const std::wstring& path, std::uint64_t largestSize);

} // namespace lumo
