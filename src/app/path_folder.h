#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The folder part of a path, without its trailing backslash: the text before the last
// backslash, and before the one preceding it when that is doubled (C:\Disc\\Start.exe gives
// C:\Disc, D:\menu.exe gives D:, \menu.exe gives the empty root). A path without any
// backslash names a file of the current folder and gives ".", so that callers appending
// "\" and a file name still reach that folder.
std::string DirectoryOfPath(std::string_view path);

// The same folder written into a buffer of the given size, which is zero-filled first and
// never written past. False when the folder does not fit; the buffer then holds the empty
// text rather than a cut path that could name another folder.
bool DirectoryOfPath(const char* source, char* destination, std::size_t size);
