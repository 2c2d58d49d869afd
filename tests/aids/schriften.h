#pragma once
// The texts of a drawing with their places, in drawing order, for the tests that ask where a text stands.

#include "aids/schriftrahmen_logik.h"

#include <vector>

inline std::vector<schrift::Schrift> schriften(const schrift::Bild& b)
{
    std::vector<schrift::Schrift> t;
    for (const schrift::Element& e : b.teile)
        if (const auto* s = std::get_if<schrift::Schrift>(&e)) t.push_back(*s);
    return t;
}
