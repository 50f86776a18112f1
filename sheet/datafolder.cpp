#include "sheet/datafolder.h"

#include "files/folderlock.h"
#include "sheet/sysini.h"

void DataFolder::setReadOnly()
{
    if (m_state == State::Writing)
        m_state = State::OpenedReadOnly;
}

QString DataFolder::lockHolder() const
{
    return m_lock ? m_lock->holder() : QString();
}

FileResult DataFolder::refusal(const QString &path)
{
    if (m_state == State::Writing && m_lock && !m_lock->isStillOurs())
        m_state = State::TakenOver;
    switch (m_state) {
    case State::Writing:
        return std::nullopt;
    case State::OpenedReadOnly:
        return FileFailure{path, QStringLiteral("資料夾以唯讀方式開啟")};
    case State::TakenOver:
        break;
    }
    return FileFailure{path, QStringLiteral("另一個岑禾已接手這個資料夾")};
}

IniDocument DataFolder::settings() const
{
    return m_settings ? *m_settings : IniDocument::load(SysIni::fileName());
}

FileResult DataFolder::storeSettings(IniDocument &settings)
{
    if (refusal(settings.path())) {
        m_settings = settings;
        return std::nullopt;
    }
    return settings.save();
}
