#include "sheet/supportcontacts.h"

namespace SupportContacts {

Contacts read(const IniDocument &settings)
{
    const auto value = [&](const QString &key) { return settings.value(section(), key).trimmed(); };
    Contacts contacts{value(phoneKey()), value(faxKey()), value(remoteKey()), {}};
    for (int n = 1; n <= MaxLinks; ++n) {
        Link link{value(linkTextKey(n)), value(linkTargetKey(n))};
        if (link.text.isEmpty())
            link.text = link.target;
        if (link.target.isEmpty())
            link.target = link.text;
        if (!link.text.isEmpty())
            contacts.links.append(link);
    }
    return contacts;
}

} // namespace SupportContacts
