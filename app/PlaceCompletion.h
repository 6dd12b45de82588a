// Completions of the place of birth under the input window's City field: the
// GeoNames places whose names start with what is typed ("Mumb" offers
// "Mumbai, Maharashtra, India"; "Bomb" the same place by its old name,
// "Mumbai (Bombay), Maharashtra, India"). The cities load on a thread of their own; until
// they are in, and always without libgeonames, the field has no completer at
// all and behaves as a plain field.
#pragma once

#include "places/PlaceFinder.h"

#include <QObject>

#include <vector>

class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

namespace varelio::app {

class PlaceCompletion final : public QObject {
    Q_OBJECT
public:
    PlaceCompletion(QLineEdit& field, PlaceFinder& finder);

    // Starts reading the cities in the background; returns at once.
    void startLoading();
    // Null until the finder is ready.
    QCompleter* completer() const { return completer_; }

signals:
    // A completion was picked from the popup.
    void placeChosen(const varelio::Place& place);

private:
    void finderLoaded();
    // Gives the field its completer once the finder is ready; whether it has one.
    bool attach();
    void offer(const QString& typed);
    void pick(const QModelIndex& index);

    QLineEdit& field_;
    PlaceFinder& finder_;
    QCompleter* completer_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    std::vector<Place> offered_;
};

}  // namespace varelio::app
