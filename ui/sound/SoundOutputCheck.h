#pragma once

namespace korvel {

// Shown when the check finds no sound output.
inline constexpr char kNoSoundCardMessage[] = "No se ha encontrado ninguna tarjeta de sonido instalada en su sistema.";

// Whether the system has a sound output to play the station beeps on.
class SoundOutputCheck {
public:
    virtual ~SoundOutputCheck() = default;
    virtual bool soundAvailable() const = 0;
};

}  // namespace korvel
