#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

// The lock behaviour of the keys: which keys a lock takes and what they send when it starts
// and ends. It has no communication objects of its own.
//
// Record: Param2 key count, Param3 which keys, Param4 behaviour on locking, Param5 on unlocking.
class TTsSperrverhalten : public TParameterObjekt {
public:
    static constexpr int Typ = 6553; // DT_TS_SPERRVERHALTEN
    enum TTag : int { tagTastensperre = 1, tagVerhaltenSperren, tagVerhaltenEntsperren };

    TTsSperrverhalten(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                      const std::string& name, std::int32_t keys, std::int32_t handle);
    ~TTsSperrverhalten() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    // Nothing to create or remove. True.
    virtual bool CreateObjects();
    virtual bool DeleteObjects();

    std::int32_t GetAnzahlTasten() const { return AnzahlTasten; }
    std::int32_t GetTastensperre() const { return Tastensperre; }

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::int32_t AnzahlTasten;
    std::int32_t Tastensperre = 0;
    std::int32_t VerhaltenSperren = 0;
    std::int32_t VerhaltenEntsperren = 0;
};
