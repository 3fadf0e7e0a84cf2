#pragma once

#include <stdexcept>
#include <string>

// The runtime's exceptions. Every failure of the framework and of the system's own
// code is one of these; an operation stops at the first one and passes it on.
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
};

// Access through a missing object (a null reference).
class NilObjectException : public RuntimeException {
  public:
    explicit NilObjectException(const std::string& message) : RuntimeException(message) {}
};

// A downcast to a class that the object is not.
class TypeCastException : public RuntimeException {
  public:
    explicit TypeCastException(const std::string& message) : RuntimeException(message) {}
};

// A window, control or menu operation called off the user-interface thread.
class ThreadAccessingUIException : public RuntimeException {
  public:
    explicit ThreadAccessingUIException(const std::string& message) : RuntimeException(message) {}
};
