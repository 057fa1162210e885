#include "session/storedsession.h"

#include "base/settingsfile.h"
#include "base/storednames.h"

#include <algorithm>

namespace {
// A hand-edited count never makes the start walk through millions of keys.
constexpr int MaxDocuments = 1000;

QString key(int n, const char *suffix = "")
{
    return QString::number(n) + QLatin1String(suffix);
}
} // namespace

StoredSession StoredSession::read(const SettingsFile &settings)
{
    StoredSession session;
    const int count = std::clamp(settings.read(Keys::SessionCount), 0, MaxDocuments);
    const int active = settings.read(Keys::SessionActive);
    for (int n = 1; n <= count; ++n) {
        const QString path = StoredNames::unescape(settings.readString(Sections::Session, key(n)));
        if (path.isEmpty())
            continue;
        if (n == active)
            session.active = int(session.documents.size());
        session.documents.append(
            {path, std::max(0, settings.readInt(Sections::Session, key(n, " caret"), 0)),
             std::max(0, settings.readInt(Sections::Session, key(n, " top"), 0))});
    }
    return session;
}

bool StoredSession::write(SettingsFile &settings) const
{
    SettingsFile::Batch batch(settings);
    settings.eraseSection(Sections::Session);
    if (documents.isEmpty())
        return batch.commit();
    settings.write(Keys::SessionCount, int(documents.size()));
    settings.write(Keys::SessionActive, active + 1);
    for (int i = 0; i < documents.size(); ++i) {
        const Document &d = documents[i];
        settings.writeString(Sections::Session, key(i + 1), StoredNames::escape(d.path));
        settings.writeInt(Sections::Session, key(i + 1, " caret"), d.caret);
        settings.writeInt(Sections::Session, key(i + 1, " top"), d.firstLine);
    }
    return batch.commit();
}
