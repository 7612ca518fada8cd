#pragma once

// The player's own texts, Windows-1250 bytes as the user sees them.
namespace player_text {
inline constexpr char kConfigNotFound[] = "Nie znaleziono pliku konfiguracyjnego.";
inline constexpr char kConfigEmpty[] = "Brak pliku konfiguracyjnego.";
inline constexpr char kDeviceError[] = "Błąd urządzenia!";
inline constexpr char kDeviceErrorCaption[] = "Błąd";
inline constexpr char kNoDisc[] = "brak CD";
inline constexpr char kPlaying[] = "odtwarzam";
inline constexpr char kNotPlaying[] = "nie odtwarzam";
}  // namespace player_text
