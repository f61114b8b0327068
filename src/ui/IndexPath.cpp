#include "IndexPath.h"

QDebug operator<<(QDebug debug, const IndexPath& indexPath) {
    QDebugStateSaver saver(debug);
    debug.nospace() << "IndexPath(" << indexPath.section() << ", " << indexPath.row() << ')';
    return debug;
}
