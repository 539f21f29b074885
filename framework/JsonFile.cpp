#include "framework/JsonFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include "framework/QtHelpers.h"

namespace framework {

JsonRead ReadJsonFile(const std::string& path, std::int64_t maxBytes) {
    JsonRead read;
    QFile file(ToQ(path));
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = JsonRead::Problem::Unreadable;
        read.reason = FromQ(file.errorString());
        return read;
    }
    // One byte more than allowed tells a file that is too large without reading all of it.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        read.problem = JsonRead::Problem::TooLarge;
        return read;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        read.problem = JsonRead::Problem::Damaged;
        return read;
    }
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonValue value = it.value();
        const double number = value.toDouble();
        if (value.isString()) {
            read.object[FromQ(it.key())] = FromQ(value.toString());
        } else if (value.isDouble() && std::trunc(number) == number && std::abs(number) < 1e15) {
            read.object[FromQ(it.key())] = static_cast<std::int64_t>(number);
        } else {
            read.problem = JsonRead::Problem::NotFlat;
            read.object.clear();
            return read;
        }
    }
    return read;
}

std::string WriteJsonFile(const std::string& path, const JsonObject& object) {
    QJsonObject json;
    for (const auto& [key, value] : object) {
        if (const auto* text = std::get_if<std::string>(&value)) {
            json.insert(ToQ(key), ToQ(*text));
        } else {
            json.insert(ToQ(key), static_cast<qint64>(std::get<std::int64_t>(value)));
        }
    }
    return WriteWhole(ToQ(path), QJsonDocument(json).toJson(QJsonDocument::Indented));
}

}  // namespace framework
