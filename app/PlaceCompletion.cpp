#include "app/PlaceCompletion.h"

#include "form/Coordinates.h"
#include "places/AsciiForm.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>
#include <map>
#include <mutex>

namespace varelio::app {

namespace {

// Which offered place a popup row stands for.
constexpr int kOfferedRole = Qt::UserRole + 1;
// What a row puts into the City field while highlighted or when picked.
constexpr int kCityRole = Qt::UserRole + 2;

// Carries "the cities are in" from the loading thread to the GUI thread. Made
// once on the GUI thread and never deleted, as the loading may end after every
// window has gone; once the application is being torn down nothing is posted.
class LoadNotice final : public QObject {
    Q_OBJECT
public:
    static LoadNotice& instance()
    {
        static LoadNotice* const notice = [] {
            qAddPostRoutine([] {
                const std::lock_guard lock(mutex_);
                open_ = false;
            });
            return new LoadNotice;
        }();
        return *notice;
    }

    // From any thread.
    void post()
    {
        const std::lock_guard lock(mutex_);
        if (open_)
            QMetaObject::invokeMethod(this, &LoadNotice::loaded, Qt::QueuedConnection);
    }

signals:
    void loaded();

private:
    static inline std::mutex mutex_;
    static inline bool open_ = true;
};

// "19°04′ N, 72°53′ E"
QString CoordinatesText(const Place& place)
{
    auto angle = [](double degrees, const QString& positive, const QString& negative) {
        const DegreesMinutes dm = ToDegreesMinutes(degrees);
        return PlaceCompletion::tr("%1°%2′ %3", "degrees, minutes, compass point")
            .arg(dm.degrees)
            .arg(dm.minutes, 2, 10, QLatin1Char('0'))
            .arg(dm.negative ? negative : positive);
    };
    return PlaceCompletion::tr("%1, %2", "latitude, longitude")
        .arg(angle(place.latitudeDegrees, PlaceCompletion::tr("N"), PlaceCompletion::tr("S")),
             angle(place.longitudeDegrees, PlaceCompletion::tr("E"), PlaceCompletion::tr("W")));
}

// The popup's text for each place: its label, with the coordinates added where
// two offered places share a label.
QStringList CompletionTexts(const std::vector<Place>& places)
{
    std::map<std::string, int> labelCount;
    for (const Place& place : places)
        ++labelCount[place.Label()];
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(places.size()));
    for (const Place& place : places) {
        const std::string label = place.Label();
        QString text = QString::fromStdString(label);
        if (!place.otherName.empty()) {
            text = PlaceCompletion::tr("%1 (%2), %3, %4", "city, the other name it was found by, state, country")
                       .arg(QString::fromStdString(place.city), QString::fromStdString(place.otherName),
                            QString::fromStdString(place.state), QString::fromStdString(place.country));
        }
        if (labelCount[label] > 1)
            text = PlaceCompletion::tr("%1 (%2)", "place, its coordinates").arg(text, CoordinatesText(place));
        texts.append(text);
    }
    return texts;
}

}  // namespace

PlaceCompletion::PlaceCompletion(QLineEdit& field, PlaceFinder& finder)
    : QObject(&field), field_(field), finder_(finder)
{
    connect(&field_, &QLineEdit::textEdited, this, &PlaceCompletion::offer);
}

void PlaceCompletion::startLoading()
{
    connect(&LoadNotice::instance(), &LoadNotice::loaded, this, &PlaceCompletion::finderLoaded, Qt::UniqueConnection);
    // The notice is shared: every completion hears of every finder's loading
    // and looks at its own.
    finder_.StartLoading([] { LoadNotice::instance().post(); });
    finderLoaded();
}

void PlaceCompletion::finderLoaded()
{
    if (completer_ || !attach())
        return;
    // What was typed while the cities loaded gets its completions now.
    if (field_.hasFocus() && !field_.text().trimmed().isEmpty()) {
        offer(field_.text());
        completer_->complete();
    }
}

bool PlaceCompletion::attach()
{
    if (completer_)
        return true;
    if (finder_.state() != PlaceFinder::State::Ready)
        return false;
    model_ = new QStandardItemModel(this);
    completer_ = new QCompleter(model_, this);
    // The finder has already chosen and ordered the rows; the popup shows them all.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(kCityRole);
    completer_->setMaxVisibleItems(static_cast<int>(kCompletionCount));
    field_.setCompleter(completer_);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, &PlaceCompletion::pick);
    return true;
}

void PlaceCompletion::offer(const QString& typed)
{
    // Loading started elsewhere, without the notice: the first key after it ends attaches the completer.
    if (!attach())
        return;
    offered_ = finder_.Complete(typed.toStdString());
    const QStringList texts = CompletionTexts(offered_);
    model_->clear();
    for (int row = 0; row < texts.size(); ++row) {
        auto* item = new QStandardItem(texts[row]);
        item->setData(row, kOfferedRole);
        item->setData(QString::fromStdString(StorableName(offered_[static_cast<std::size_t>(row)].city)), kCityRole);
        item->setEditable(false);
        model_->appendRow(item);
    }
    // The popup is as wide as its longest text, so the coordinates that tell
    // places apart are not cut off.
    QAbstractItemView* popup = completer_->popup();
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, popup->fontMetrics().horizontalAdvance(text));
    popup->setMinimumWidth(widest + 2 * popup->frameWidth() + popup->verticalScrollBar()->sizeHint().width() + 8);
}

void PlaceCompletion::pick(const QModelIndex& index)
{
    bool ok = false;
    const int row = index.data(kOfferedRole).toInt(&ok);
    if (ok && row >= 0 && static_cast<std::size_t>(row) < offered_.size())
        emit placeChosen(offered_[static_cast<std::size_t>(row)]);
}

}  // namespace varelio::app

#include "PlaceCompletion.moc"
