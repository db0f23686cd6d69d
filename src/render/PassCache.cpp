#include "render/PassCache.h"

#include "model/PhotoField.h"

#include <cstring>
#include <type_traits>

quint64 chainKey(quint64 key, quint64 value)
{
    constexpr quint64 kPrime = 1099511628211ULL;
    for (int byte = 0; byte < 8; ++byte) {
        key ^= (value >> (byte * 8)) & 0xff;
        key *= kPrime;
    }
    return key;
}

qsizetype onlyPhotoWhere(qsizetype photos, const std::function<bool(qsizetype)> &differs)
{
    qsizetype found = 0;
    for (qsizetype i = 1; i < photos; ++i)
        if (differs(i)) {
            if (found)
                return 0;
            found = i;
        }
    return found;
}

quint64 chainKey(quint64 key, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return chainKey(key, bits);
}

quint64 passKey(quint64 mode, const ViewTarget &view, const ProjectOptions &options)
{
    quint64 key = chainKey(14695981039346656037ULL, mode);
    for (const double value : {view.size.width(), view.size.height(), double(view.pixelRatio)})
        key = chainKey(key, value);
    key = chainKey(key, quint64(options.blendSpace));
    for (const double weight : {options.fusion.contrast, options.fusion.saturation, options.fusion.exposure})
        key = chainKey(key, weight);
    return chainKey(key, quint64(options.fullResolution));
}

quint64 chainMaskKey(quint64 key, const PhotoMask &mask)
{
    if (mask.isEmpty())
        return key;
    key = chainKey(key, quint64(mask.invert) | quint64(mask.gradients.size()) << 1);
    for (const MaskGradient &g : mask.gradients)
        for (const double value :
             {double(g.type), g.from.x(), g.from.y(), g.to.x(), g.to.y(), g.radius, g.inner})
            key = chainKey(key, value);
    for (const MaskStroke &stroke : mask.strokes) {
        for (const double value : {double(stroke.show), stroke.size, stroke.hardness, stroke.opacity,
                                   double(stroke.points.size())})
            key = chainKey(key, value);
        for (const QPointF &point : stroke.points)
            key = chainKey(chainKey(key, point.x()), point.y());
    }
    return key;
}

quint64 chainPhotoKey(quint64 key, const Object_Photo &photo, quint64 mode)
{
    key = chainMaskKey(chainKey(key, quint64(photo.image.cacheKey())), photo.mask);
    const unsigned modeBit = mode < 32 ? 1u << mode : 0u;
    for (const PhotoFieldRow &row : photoFieldTable()) {
        if (!(row.modes & modeBit))
            continue;
        std::visit(
            [&](auto member) {
                const auto value = photo.*member;
                if constexpr (std::is_same_v<decltype(value), const float>)
                    key = chainKey(key, double(value));
                else
                    key = chainKey(key, quint64(value));
            },
            row.member);
    }
    key = chainKey(key, quint64(photo.alignment.has_value()));
    for (const double value : photo.alignment.value_or(PhotoAlignment{}))
        key = chainKey(key, value);
    return key;
}

qsizetype PassCache::sizeInBytes() const
{
    qsizetype bytes = background.sizeInBytes();
    for (const Step &step : steps) {
        bytes += step.picture.sizeInBytes() + step.layer.sizeInBytes() + step.coverage.sizeInBytes();
        if (step.plainLayer.cacheKey() != step.layer.cacheKey()) // else it shares the layer
            bytes += step.plainLayer.sizeInBytes();
        for (const ViewDraw &draw : step.draws)
            bytes += draw.image.sizeInBytes();
    }
    return bytes;
}

qsizetype PassCache::keepMatching(const QList<quint64> &keys)
{
    qsizetype matching = 0;
    while (matching < steps.size() && matching < keys.size() && !steps[matching].live &&
           steps[matching].key == keys[matching])
        ++matching;
    steps.resize(matching);
    if (matching == 0) { // what the pass makes its first step over is set again
        background = QImage();
        backgroundKey = 0;
    }
    return matching;
}

void PassCache::append(Step step)
{
    qsizetype bytes =
        sizeInBytes() + step.picture.sizeInBytes() + step.layer.sizeInBytes() + step.coverage.sizeInBytes();
    for (const ViewDraw &draw : step.draws)
        bytes += draw.image.sizeInBytes();
    if (bytes <= kPassCacheBytes)
        steps.append(std::move(step));
}
