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

QString runSaveDialog(QWidget *parent, const SaveRequest &request)
{
    QFileDialog dialog(parent, request.caption, request.suggestedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Replacing is asked below, in the program's own words; Qt's widget
    // dialog rather than the desktop's keeps every label Chinese.
    dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QFileInfo(request.suggestedPath).suffix());
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("儲存於："));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("檔案名稱："));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("存檔類型："));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("存檔"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString runOpenDialog(QWidget *parent, const SaveRequest &request)
{
    QFileDialog dialog(parent, request.caption, request.suggestedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("查詢："));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("檔案名稱："));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("檔案類型："));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("開啟"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString askPath(QWidget *parent, const SaveRequest &request)
{
    if (answerer())
        return answerer()(request);
    return request.opening ? runOpenDialog(parent, request) : runSaveDialog(parent, request);
}

} // namespace

QString saveFileName(QWidget *parent, const QString &caption,
                     const QString &suggestedPath, const QString &filter)
{
    SaveRequest request{caption, suggestedPath, filter};
    for (;;) {
        const QString path = askPath(parent, request);
        if (path.isEmpty() || !QFileInfo::exists(path))
            return path;
        const QString question = QStringLiteral("「%1」已經存在。\n要取代這個檔案嗎？")
                                     .arg(QFileInfo(path).fileName());
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

QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return askPath(parent, {caption, folder, filter, true});
}

void setAnswerer(Answerer newAnswerer)
{
    answerer() = std::move(newAnswerer);
}

} // namespace FileDialogs
