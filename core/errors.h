#pragma once
// Exceptions that end a command and reach the top-level handler, which shows
// their text to the user. Expected refusals are reported by the flows
// themselves with their own French messages and never thrown.
#include <stdexcept>
#include <string>

namespace pluvelle {

// A file could not be read or written (missing bytes, disk full, no right...).
class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A cell that must hold a whole number (the wind sample count) does not.
class InvalidIntegerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace pluvelle
