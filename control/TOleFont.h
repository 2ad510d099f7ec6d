#pragma once
// An OLE font object: the font a host reads from and gives to the control,
// reached through IDispatch by the standard font DISPIDs.

#include <atomic>
#include <cstdint>
#include <string>

#include "control/IMoyoscope.h"

namespace moyo::com {

// What an OLE font describes.
struct TFontValues {
  std::u16string name;
  std::int64_t size = 0;  // points as currency (times 10000)
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  std::int16_t weight = 400;
  std::int16_t charset = 0;
};

// Reads the font values of any font object through its Invoke.
HRESULT ReadFontValues(IDispatch& font, TFontValues& values);

class TOleFont final : public IDispatch {
 public:
  // A font object with one reference, owned by the caller.
  static TOleFont* Create(TFontValues values);

  const TFontValues& Values() const { return values_; }

  HRESULT QueryInterface(const GUID& iid, void** object) override;
  std::uint32_t AddRef() override;
  std::uint32_t Release() override;
  HRESULT GetTypeInfoCount(std::uint32_t* count) override;
  HRESULT GetTypeInfo(std::uint32_t index, std::uint32_t locale, ITypeInfo** info) override;
  HRESULT GetIDsOfNames(const GUID& iid, const char16_t* const* names, std::uint32_t count,
                        std::uint32_t locale, DISPID* ids) override;
  HRESULT Invoke(DISPID dispid, const GUID& iid, std::uint32_t locale, std::uint16_t flags,
                 DISPPARAMS* params, VARIANT* result, void* excepInfo,
                 std::uint32_t* argError) override;

 private:
  explicit TOleFont(TFontValues values) : values_(std::move(values)) {}
  ~TOleFont() = default;

  std::atomic<std::uint32_t> references_{1};
  TFontValues values_;
};

}  // namespace moyo::com
