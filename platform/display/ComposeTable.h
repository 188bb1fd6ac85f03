// Keeps the compose table out of start-up. Xlib's own input method reads the
// locale's compose rules when it opens, inside SDL_Init: some 6,000 lines for
// a UTF-8 locale, the largest single cost of SDL's start. A program whose
// text boxes take only numbers has no use for them: compose sequences (dead
// keys, the Multi key) type nothing such a box accepts.
#pragma once

namespace platform {

// Names an empty compose file for as long as it lives, unless the user named
// one (XCOMPOSEFILE). Input method servers (XMODIFIERS) are not concerned.
// Nothing the program starts later inherits it.
class WithoutComposeTable {
public:
    WithoutComposeTable();
    ~WithoutComposeTable();
    WithoutComposeTable(const WithoutComposeTable&) = delete;
    WithoutComposeTable& operator=(const WithoutComposeTable&) = delete;

private:
    bool named = false;
};

}  // namespace platform
