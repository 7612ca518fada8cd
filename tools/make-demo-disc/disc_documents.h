#pragma once

#include <filesystem>

// The files the applications' commands open: each instruction in both languages, and stand-ins
// for the installers and programs, small batch files that say what they stand for.
void write_documents(const std::filesystem::path& disc);
