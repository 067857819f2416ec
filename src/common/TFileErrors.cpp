#include "common/TFileErrors.h"

#include <cerrno>
#include <cstring>

QString FileErrors::Reason(int errorNumber, Access access)
{
    switch (errorNumber) {
    case 0:
        return {};
    case EACCES:
    case EPERM:
        return tr("Přístup odepřen");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return tr("Disk je plný");
    case ENOENT:
        return access == Access::Read ? tr("Soubor neexistuje") : tr("Složka neexistuje");
    case EROFS:
        return tr("Disk je jen pro čtení");
    case EISDIR:
        return tr("Je to složka");
    case ENOTDIR:
        return tr("Část cesty není složka");
    case ENAMETOOLONG:
        return tr("Název je příliš dlouhý");
    case EEXIST:
        return tr("Soubor již existuje");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return tr("Soubor je používán");
    case EMFILE:
    case ENFILE:
        return tr("Příliš mnoho otevřených souborů");
    case EFBIG:
        return tr("Soubor je příliš velký");
    case ENOMEM:
        return tr("Nedostatek paměti");
    case EIO:
        return tr("Chyba čtení nebo zápisu na disku");
#ifdef ELOOP
    case ELOOP:
        return tr("Příliš mnoho symbolických odkazů");
#endif
    case EINVAL:
        return tr("Neplatný název");
    case ENXIO:
    case ENODEV:
        return tr("Zařízení není dostupné");
    default:
        return tr("Systémová chyba %1 (%2)")
            .arg(errorNumber)
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

QString FileErrors::WithReason(const QString &text, int errorNumber, Access access)
{
    const QString reason = Reason(errorNumber, access);
    return reason.isEmpty() ? text : text + QStringLiteral(": ") + reason;
}
