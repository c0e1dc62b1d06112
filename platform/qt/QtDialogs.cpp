#include "platform/qt/QtDialogs.h"

#include "platform/qt/Text8.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace platform::qt {
namespace {

// File names travel in the file system's own 8-bit encoding.
QString PathText(const std::string& s) {
    return QFile::decodeName(QByteArray(s.data(), static_cast<qsizetype>(s.size())));
}

// "*.CFG" -> "*.[cC][fF][gG]"
QString CaseFreePattern(const QString& pattern) {
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QStringList NameFilters(const std::string& filter) {
    const QStringList parts = Latin1(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << CaseFreePattern(p.trimmed());
        }
        // Qt reads the patterns from the last parenthesised group and, with
        // HideNameFilterDetails, shows the text before it.
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

std::optional<std::string> QtDialogs::Run(const FileDialog& dialog) {
    QFileDialog fd(QApplication::activeWindow());
    fd.setOption(QFileDialog::DontUseNativeDialog, true);
    fd.setOption(QFileDialog::HideNameFilterDetails, true);
    if (dialog.Kind == FileDialogKind::Save) {
        fd.setAcceptMode(QFileDialog::AcceptSave);
        fd.setFileMode(QFileDialog::AnyFile);
        fd.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        fd.setAcceptMode(QFileDialog::AcceptOpen);
        fd.setFileMode(QFileDialog::ExistingFile);
    }
    if (!dialog.Title.empty()) {
        fd.setWindowTitle(Latin1(dialog.Title));
    }
    const QStringList filters = NameFilters(dialog.Filter);
    if (!filters.isEmpty()) {
        fd.setNameFilters(filters);
        const qsizetype index = dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size()
                                    ? dialog.FilterIndex - 1
                                    : 0;
        fd.selectNameFilter(filters[index]);
    }
    if (!dialog.DefaultExt.empty()) {
        fd.setDefaultSuffix(Latin1(dialog.DefaultExt));
    }
    if (!dialog.InitialDir.empty()) {
        fd.setDirectory(PathText(dialog.InitialDir));
    }
    if (!dialog.FileName.empty()) {
        fd.selectFile(PathText(dialog.FileName));
    }
    if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QByteArray chosen = QFile::encodeName(fd.selectedFiles().constFirst());
    return std::string(chosen.constData(), static_cast<std::size_t>(chosen.size()));
}

} // namespace platform::qt
