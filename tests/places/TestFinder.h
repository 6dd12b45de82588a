// The places tests' one finder: the cities and their other names load once
// for the test program.
#pragma once

#include "places/PlaceFinder.h"

#include <gtest/gtest.h>

namespace varelio::testing {

inline PlaceFinder& TestFinder() {
    static PlaceFinder finder;
    EXPECT_TRUE(finder.WaitUntilLoaded()) << "libgeonames0 is needed for these tests";
    return finder;
}

}  // namespace varelio::testing
