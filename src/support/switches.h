// Switch variables: environment variables that turn a behaviour on or off.
#pragma once

// A switch is on when the variable is set to anything but "" or "0".
bool switchIsOn(const char* name);
