#include "frontend/filedialogs.h"

#include "frontend/usermessages.h"

#include <QFileDialog>
#include <QFileInfo>

namespace FileDialogs {

namespace {

Answerer &answerer()
{
    static Answerer instance;
    return instance;
}

// Qt's widget dialog rather than the desktop's keeps every label Chinese.
QString runDialog(QFileDialog &dialog, const QString &lookIn, const QString &fileType,
                  const QString &accept)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, lookIn);
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("檔案名稱："));
    dialog.setLabelText(QFileDialog::FileType, fileType);
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString runSaveDialog(QWidget *parent, const SaveRequest &request)
{
    QFileDialog dialog(parent, request.caption, request.suggestedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Replacing is asked below, in the program's own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QFileInfo(request.suggestedPath).suffix());
    return runDialog(dialog, QStringLiteral("儲存於："), QStringLiteral("存檔類型："),
                     QStringLiteral("存檔"));
}

QString runOpenDialog(QWidget *parent, const SaveRequest &request)
{
    QFileDialog dialog(parent, request.caption, request.suggestedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runDialog(dialog, QStringLiteral("查詢："), QStringLiteral("檔案類型："),
                     QStringLiteral("開啟"));
}

QString askPath(QWidget *parent, const SaveRequest &request)
{
    if (answerer())
        return answerer()(request);
    return request.opening ? runOpenDialog(parent, request) : runSaveDialog(parent, request);
}

} // namespace

QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath,
                     const QString &filter, const Refusal &refusal)
{
    SaveRequest request{caption, suggestedPath, filter};
    for (;;) {
        const QString path = askPath(parent, request);
        if (path.isEmpty())
            return path;
        if (const QString why = refusal ? refusal(path) : QString(); !why.isEmpty()) {
            UserMessages::showFailure(parent, FileFailure{path, why});
            request.suggestedPath = path;
            continue;
        }
        if (!QFileInfo::exists(path))
            return path;
        const QString question =
            QStringLiteral("「%1」已經存在。\n要取代這個檔案嗎？").arg(QFileInfo(path).fileName());
        switch (UserMessages::askYesNoCancel(parent, question)) {
        case UserMessages::Answer::Yes:
            return path;
        case UserMessages::Answer::No:
            request.suggestedPath = path;
            break;
        default:
            return {};
        }
    }
}

QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &filter)
{
    return askPath(parent, {caption, folder, filter, true});
}

void setAnswerer(Answerer newAnswerer)
{
    answerer() = std::move(newAnswerer);
}

} // namespace FileDialogs
