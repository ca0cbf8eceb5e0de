// The Qt implementation's modal runs: a dialog's own modal loop, and the file dialog with its
// optional child panel.
#include "platform/ui/DialogImpl.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/QtBackend.h"
#include "platform/ui/QtBridge.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QVBoxLayout>

namespace vd::ui {

int QtBackend::runModal(Dialog& dialog)
{
    auto* impl = static_cast<DialogImpl*>(dialog.impl());
    QtDialog* q = impl ? impl->qdialog() : nullptr;
    if (!q)
        return IDCANCEL;
    q->setModal(true);
    const int code = q->exec();
    return impl->result != 0 ? impl->result : code;
}

namespace {

QString& lastFolder()
{
    static QString folder;
    return folder;
}

QStringList nameFilters(const std::string& filter)
{
    QStringList out;
    for (const auto& f : FileDialog::parseFilter(filter)) {
        QString patterns = qs(f.patterns);
        patterns.replace(u';', u' ');
        // The description is shown as given; the appended patterns are what Qt filters by.
        out << qs(f.description) + QStringLiteral(" (") + patterns + QStringLiteral(")");
    }
    return out;
}

} // namespace

int QtBackend::runFileDialog(FileDialog& dialog)
{
    QDialog host(QApplication::activeWindow());
    host.setWindowTitle(qs(dialog.title().empty() ? std::string(dialog.isOpen() ? "ファイルを開く" : "名前を付けて保存") : dialog.title()));
    auto* layout = new QVBoxLayout(&host);
    auto* files = new QFileDialog(&host);
    files->setWindowFlags(Qt::Widget);
    files->setOption(QFileDialog::DontUseNativeDialog);
    files->setOption(QFileDialog::HideNameFilterDetails);
    files->setAcceptMode(dialog.isOpen() ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    const unsigned flags = dialog.flagsValue();
    files->setFileMode(dialog.isOpen() && (flags & (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST)) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!(flags & OFN_OVERWRITEPROMPT))
        files->setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = nameFilters(dialog.filter());
    if (!filters.isEmpty())
        files->setNameFilters(filters);
    if (!dialog.defaultExt().empty())
        files->setDefaultSuffix(qs(dialog.defaultExt()));
    const std::string last = lastFolder().isEmpty() ? std::string() : toWindowsForm(us(lastFolder()));
    files->setDirectory(qs(toLinuxForm(dialog.startFolder(last))));
    const QString initial = qs(dialog.initialName());
    if (!initial.isEmpty() && !initial.contains(u'*') && !initial.contains(u'?'))
        files->selectFile(initial.contains(u'\\') ? qs(toLinuxForm(dialog.initialName())) : initial);
    layout->addWidget(files);

    if (dialog.panelTemplate() != 0 && createDialogInside(dialog, &host))
        layout->addWidget(widgetOf(&dialog));
    dialog.setControlTextSink([files](int id, const std::string& text) {
        if (id == IDOK)
            files->setLabelText(QFileDialog::Accept, qs(text));
    });
    if (!dialog.controlText(IDOK).empty())
        files->setLabelText(QFileDialog::Accept, qs(dialog.controlText(IDOK)));

    QObject::connect(files, &QFileDialog::currentChanged, &host, [&dialog](const QString& path) {
        dialog.selectionChanged(toWindowsForm(us(path)));
    });
    QObject::connect(files, &QFileDialog::directoryEntered, &host, [&dialog](const QString& folder) {
        dialog.folderChanged(toWindowsForm(us(folder)));
    });
    QObject::connect(files, &QFileDialog::accepted, &host, &QDialog::accept);
    QObject::connect(files, &QFileDialog::rejected, &host, &QDialog::reject);

    const int code = host.exec();
    dialog.setControlTextSink({});
    if (code != QDialog::Accepted || files->selectedFiles().isEmpty()) {
        dialog.finish(IDCANCEL, {});
        return IDCANCEL;
    }
    const QString chosen = files->selectedFiles().front();
    lastFolder() = QFileInfo(chosen).absolutePath();
    dialog.finish(IDOK, toWindowsForm(us(chosen)));
    return IDOK;
}

} // namespace vd::ui
