#pragma once
// A dBASE III table file held open exclusively. The records live in memory while
// the table is open (nobody else can change the file) and are written back by
// Commit, Pack and Close.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"
#include "runtime/value.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// One field of a table: name (at most 10 characters), type C, N or L, length, decimals.
struct DbfField {
    std::string name;  // field name, upper case
    char type = 'C';   // 'C' character, 'N' numeric, 'L' logical
    int length = 1;    // width in bytes
    int decimals = 0;  // decimals of a numeric field
};

class DbfTable {
public:
    // Writes a new empty table with these fields, replacing an existing file. False on failure.
    static bool Create(const std::string& path, const std::vector<DbfField>& fields);
    // Opens the table exclusively under the alias; null when it cannot be opened or read.
    static std::shared_ptr<DbfTable> Open(const std::string& path, const std::string& alias);

    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // The alias the table was opened under.
    const std::string& Alias() const { return alias_; }
    // The fields in file order.
    const std::vector<DbfField>& Fields() const { return fields_; }
    // 0-based position of the named field (case-insensitive), -1 when there is none.
    int FieldPos(std::string_view name) const;

    // Makes room for this many records in all, so appending them moves nothing.
    void Reserve(std::size_t records) { records_.reserve(records * recordLength_); }
    // Appends a blank record and makes it current.
    void Append();
    // The raw text of a field of the current record (blank-padded); blanks at end of table.
    std::string_view GetText(int field) const;
    // A numeric field as a number (0 when blank).
    double GetNumber(int field) const;
    // A logical field: true for T, t, Y or y.
    bool GetLogical(int field) const;
    // A field as a dynamic value: text (padded), number or logical.
    Value FieldGet(int field) const;
    // Stores text, cut or blank-padded to the field's width.
    void PutText(int field, std::string_view text);
    // Stores a number right-aligned with the field's decimals (stars when it does not fit).
    void PutNumber(int field, double number);
    // Stores a logical as T or F.
    void PutLogical(int field, bool value);
    // Stores a dynamic value according to the field's type.
    void FieldPut(int field, const Value& value);

    // The current record number (count + 1 at end of table).
    std::uint32_t RecNo() const { return recno_; }
    // The number of records, deleted ones included.
    std::uint32_t RecCount() const { return count_; }
    // Goes to the first visible record (end of table when there is none).
    void GoTop();
    // Goes to record n whether visible or not; out of range means end of table.
    void GoTo(std::uint32_t n);
    // Goes to the next visible record.
    void Skip();
    // True when positioned past the last record.
    bool Eof() const { return recno_ > count_; }
    // True when a table without visible records was positioned at its top.
    bool Bof() const { return bof_; }

    // Sets the deletion flag of the current record.
    void Delete();
    // Clears the deletion flag of the current record.
    void Recall();
    // True when the current record carries the deletion flag.
    bool Deleted() const;

    // Calls action for every visible record from the first, where condition (if any) holds.
    void Eval(const std::function<void()>& action, const std::function<bool()>& condition = {});
    // Removes the deleted records for good and renumbers the rest; goes to the top.
    void Pack();
    // Writes the header, the records and the end mark to the file. False on a write failure.
    bool Commit();
    // Writes back and closes the file; the table is then empty.
    void Close();

private:
    DbfTable() = default;
    char* Record(std::uint32_t n);
    const char* Record(std::uint32_t n) const;
    bool Visible(std::uint32_t n) const;
    std::uint32_t NextVisible(std::uint32_t from) const;
    char* FieldData(int field);
    const char* FieldData(int field) const;

    platform::FileHandle file_;
    std::string alias_;
    std::vector<DbfField> fields_;
    std::vector<std::uint16_t> offsets_;  // offset of each field in a record (after the flag)
    std::uint16_t recordLength_ = 1;
    std::vector<char> records_;
    std::uint32_t count_ = 0;
    std::uint32_t recno_ = 1;
    bool bof_ = false;
    bool dirty_ = false;
};

}  // namespace pixa::transfer
