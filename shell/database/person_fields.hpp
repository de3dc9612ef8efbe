#pragma once
// The fields of one stored person, in the order of the table's columns and
// of the grid's first seven columns.

#include <QString>
#include <array>
#include <cstddef>

namespace kesora::shell {

enum class Field { Name, Year, Month, Day, Hour, Era, Sex };

inline constexpr std::size_t kFieldCount = 7;
using PersonFields = std::array<QString, kFieldCount>;

inline constexpr std::array<const char*, kFieldCount> kFieldNames = {"氏名", "年", "月", "日", "時刻", "年代", "性別"};
inline constexpr std::array<Field, kFieldCount> kFields = {Field::Name, Field::Year, Field::Month, Field::Day,
                                                           Field::Hour, Field::Era,  Field::Sex};

inline constexpr std::size_t IndexOf(Field field) { return static_cast<std::size_t>(field); }
inline QString FieldName(Field field) { return QString::fromUtf8(kFieldNames[IndexOf(field)]); }

// The database file in the program folder; the name says the format is ours.
inline constexpr const char* kDatabaseFileName = "ﾃﾞｰﾀﾍﾞｰｽ.sqlite";
inline constexpr const char* kTableName = "データ";

// A stored row: its hidden key and its fields.
struct StoredPerson {
    qint64 id = 0;
    PersonFields fields;
};

}  // namespace kesora::shell
