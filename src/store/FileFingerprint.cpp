#include "store/FileFingerprint.h"

#include <QHashFunctions>

FileFingerprint::FileFingerprint(QByteArrayView bytes, const QDateTime& modified)
    : present_(true), size_(bytes.size()), modified_(modified),
      hash_(qHashBits(bytes.data(), static_cast<size_t>(bytes.size())))
{
}
