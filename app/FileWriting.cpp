#include "app/FileWriting.h"

#include "words/Problems.h"
#include "words/Translated.h"
#include "formats/WholeFile.h"

#include <QCoreApplication>
#include <QFile>

namespace varelio::app {

namespace {

// The translators' context of the file failures' words.
class FileWords {
    Q_DECLARE_TR_FUNCTIONS(FileWriting)
};

}  // namespace

bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString* error)
{
    const Result<void> written = varelio::WriteWholeFile(QFile::encodeName(path).toStdString(),
                                                         std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
    if (!written && error)
        *error = words::ProblemMessage(words::Translated(), written.problem(), path.toStdString());
    return written.ok();
}

void ShowWriteFailure(Dialogs& dialogs, QWidget* parent, const QString& path, const QString& reason)
{
    dialogs.message(parent, FileWords::tr("Could not write the file \"%1\".\n%2").arg(path, reason), MessageIcon::Error);
}

}  // namespace varelio::app
