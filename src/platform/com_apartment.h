#pragma once

#include <windows.h>

// COM for the current thread, from construction to destruction. The
// apartment is left only if it was entered: a thread already in the other
// kind of apartment (RPC_E_CHANGED_MODE) keeps it, untouched.

namespace vix::platform {

enum class ApartmentKind { SingleThreaded, MultiThreaded };

class ComApartment {
  public:
    explicit ComApartment(ApartmentKind kind = ApartmentKind::SingleThreaded);
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // True when COM can be used in the asked kind of apartment (S_OK, or
    // S_FALSE for a thread already in it).
    bool ok() const { return SUCCEEDED(result_); }
    HRESULT result() const { return result_; }
    // Raises ComError when the apartment could not be entered.
    void Check() const;

  private:
    HRESULT result_;
};

// OLE for the current thread (in-place activation of a control), from
// construction to destruction; left only if it was entered.
class OleScope {
  public:
    OleScope();
    ~OleScope();
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

    bool ok() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};

}  // namespace vix::platform
