// The modal "About Software" box of both windows: name, version, what the
// program does, its licence and, when the place finder is there, the credit
// its city data asks for.
#pragma once

#include "places/PlaceFinder.h"

#include <QString>

#include <memory>

class QDialog;
class QWidget;

namespace varelio::app {

// Whether the box credits GeoNames: the finder has its cities, or, not yet
// loaded, the library that carries them can be opened. Nothing is loaded
// for the box's sake beyond opening the library.
bool CreditGeoNames(PlaceFinder::State state, const char* library = kGeonamesLibrary);

// The box, not yet shown.
std::unique_ptr<QDialog> MakeAboutBox(QWidget* parent, bool creditGeoNames);

// Shows the box for a place finder in state and waits until it is closed.
void ShowAboutBox(QWidget* parent, PlaceFinder::State state);

}  // namespace varelio::app
