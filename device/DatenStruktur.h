#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Thrown by a record; carries its message only.
class E_DatenStruktur {
public:
    explicit E_DatenStruktur(std::string message) : Message(std::move(message)) {}
    std::string Message;
};

// The operations every stored record offers. Records are values: never deleted through the base.
class TDatenStrukturBasis {
public:
    virtual bool EqualsString(const std::string& feldName, const std::string& wert) const = 0;
    virtual bool EqualsInt(const std::string& feldName, std::int32_t wert) const = 0;
    virtual bool EqualsTyp(const std::string& feldName, std::int16_t wert) const = 0;
    virtual bool EqualsBool(const std::string& feldName, bool wert) const = 0;
    virtual void Fill(const std::string& datensatz) = 0;
    virtual std::string ToString() const = 0;

protected:
    TDatenStrukturBasis() = default;
    TDatenStrukturBasis(const TDatenStrukturBasis&) = default;
    TDatenStrukturBasis& operator=(const TDatenStrukturBasis&) = default;
    ~TDatenStrukturBasis() = default;
};

// One stored record of a data object, written and read as one record line.
class TDatenStruktur final : public TDatenStrukturBasis {
public:
    static constexpr int ParamCount = 19;
    static constexpr int BoolCount = 10;
    static constexpr int StringCount = 5;

    TDatenStruktur() = default;
    TDatenStruktur(const TDatenStruktur&) = default;
    TDatenStruktur& operator=(const TDatenStruktur&) = default;
    ~TDatenStruktur() = default;

    bool EqualsString(const std::string& feldName, const std::string& wert) const override;
    bool EqualsInt(const std::string& feldName, std::int32_t wert) const override;
    bool EqualsTyp(const std::string& feldName, std::int16_t wert) const override;
    bool EqualsBool(const std::string& feldName, bool wert) const override;
    // Sets every field from a record line; throws E_DatenStruktur for fewer than 39 fields.
    void Fill(const std::string& datensatz) override;
    // Fill that also says what it read although the line was not quite a record: number columns
    // whose text is no number (read as 0) and fields beyond a record's 41. Empty when all is well.
    std::string FillAndCheck(const std::string& datensatz);
    std::string ToString() const override;
    virtual std::string GetHeaderLine() const;
    virtual std::string GetCommentLine() const;

    // The integer field of that name ("Handle", "Parent", "System", "Next", "Param1" … "Param19"),
    // or null; "Typ" is 16 bits and not among them.
    const std::int32_t* IntField(const std::string& feldName) const;
    // The text field of that name ("Name", "String1" … "String4"), or null.
    const std::string* TextField(const std::string& feldName) const;

    std::int32_t Handle = 0;
    std::string Name;
    std::int16_t Typ = 0;
    std::int32_t Parent = 0;
    std::int32_t System = 0;
    std::int32_t Next = 0;
    std::int32_t Param1 = 0, Param2 = 0, Param3 = 0, Param4 = 0, Param5 = 0, Param6 = 0, Param7 = 0,
                 Param8 = 0, Param9 = 0, Param10 = 0, Param11 = 0, Param12 = 0, Param13 = 0,
                 Param14 = 0, Param15 = 0, Param16 = 0, Param17 = 0, Param18 = 0, Param19 = 0;
    bool Bool1 = false, Bool2 = false, Bool3 = false, Bool4 = false, Bool5 = false, Bool6 = false,
         Bool7 = false, Bool8 = false, Bool9 = false, Bool10 = false;
    std::string String1, String2, String3, String4, String5;

    // Field n (1-based) of each group, in column order.
    std::int32_t& ParamAt(int n);
    std::int32_t ParamAt(int n) const;
    bool& BoolAt(int n);
    bool BoolAt(int n) const;
    std::string& StringAt(int n);
    const std::string& StringAt(int n) const;

private:
    // Fill's work; answers the line's fields.
    const std::vector<std::string>& FillFields(const std::string& datensatz);
};

// A sort entry of the record table: the record's key and a copy of the record.
template <typename T>
struct TSortDaten;

template <>
struct TSortDaten<TDatenStruktur> {
    std::int32_t Key = 0;
    TDatenStruktur Daten;

    // Orders two records by one named field; an unknown name throws E_DatenStruktur on the
    // first comparison.
    class sort_daten {
    public:
        explicit sort_daten(std::string feldName);
        bool operator()(const TDatenStruktur& a, const TDatenStruktur& b) const;
        bool operator()(const TSortDaten& a, const TSortDaten& b) const { return (*this)(a.Daten, b.Daten); }

    private:
        std::string feldName_;
    };
};
