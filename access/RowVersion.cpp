#include "RowVersion.h"


namespace tolmo {

QString rigaCambiataSentence() {
    return QStringLiteral("Il record è stato modificato su un'altra postazione dopo che è stato letto.");
}

}  // namespace tolmo
