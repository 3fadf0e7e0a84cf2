#pragma once

#include <memory>
#include <string>
#include <type_traits>

#include "framework/RuntimeException.h"

// The runtime's checked downcast: a missing object raises NilObjectException, an
// object of another class TypeCastException.
template <class To, class From>
std::shared_ptr<To> Cast(const std::shared_ptr<From>& object) {
    if (!object) {
        throw NilObjectException("Access through a missing object");
    }
    auto cast = std::dynamic_pointer_cast<To>(object);
    if (!cast) {
        throw TypeCastException("The object is not of the class asked for");
    }
    return cast;
}

template <class To, class From>
requires std::is_polymorphic_v<From> To& Cast(From& object) {
    auto* cast = dynamic_cast<To*>(&object);
    if (!cast) {
        throw TypeCastException("The object is not of the class asked for");
    }
    return *cast;
}
