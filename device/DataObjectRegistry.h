#pragma once

#include <cstdint>
#include <map>

class TDataBasis;

// The data objects of a device by Handle, at most one per handle. The registry owns every
// object it holds and deletes it through its virtual destructor when it lets it go.
class TDataObjectRegistry {
public:
    using TMap = std::map<std::int32_t, TDataBasis*>;

    TDataObjectRegistry() = default;
    ~TDataObjectRegistry();
    TDataObjectRegistry(const TDataObjectRegistry&) = delete;
    TDataObjectRegistry& operator=(const TDataObjectRegistry&) = delete;

    // Takes the object under its Handle. True when the registry holds the object now (also when
    // it held it already); false, and the caller keeps it, when another object has the handle
    // or there is no object.
    bool Register(TDataBasis* object);

    // Unregisters and deletes the object when it is the one registered under its Handle; false,
    // and nothing deleted, otherwise.
    bool Remove(TDataBasis* object);

    // Unregisters and deletes every object. An object that looks up others while it is being
    // deleted finds none.
    void Clear();

    TDataBasis* Find(std::int32_t handle) const;
    const TMap& Map() const { return objects_; }
    bool Empty() const { return objects_.empty(); }
    std::size_t Size() const { return objects_.size(); }

private:
    TMap objects_;
};
