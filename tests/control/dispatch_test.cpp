// The automation surface's names and argument order, without a window.
#include <gtest/gtest.h>

#include <vector>

#include "control/DispatchNames.h"

namespace moyo::com {
namespace {

HRESULT Look(std::vector<const char16_t*> names, std::vector<DISPID>& ids) {
  ids.assign(names.size(), 99);
  return LookUpNames(kMoyoscopeMembers, names.data(), static_cast<std::uint32_t>(names.size()),
                     ids.data());
}

TEST(DispatchNames, MethodParametersAreNamedByTheirPositions) {
  std::vector<DISPID> ids;
  EXPECT_EQ(Look({u"getFile", u"fileName", u"level"}, ids), S_OK);
  EXPECT_EQ(ids, (std::vector<DISPID>{16, 0, 1}));
  EXPECT_EQ(Look({u"GETFILE", u"LEVEL", u"filename"}, ids), S_OK);
  EXPECT_EQ(ids, (std::vector<DISPID>{16, 1, 0}));

  // Unknown names are marked one by one; the known ones are still filled.
  EXPECT_EQ(Look({u"getFile", u"level", u"file"}, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids, (std::vector<DISPID>{16, 1, DISPID_UNKNOWN}));
  EXPECT_EQ(Look({u"goQNA", u"fileName"}, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids, (std::vector<DISPID>{15, DISPID_UNKNOWN}));
  EXPECT_EQ(Look({u"Print", u"fileName"}, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids, (std::vector<DISPID>{DISPID_UNKNOWN, DISPID_UNKNOWN}));
  EXPECT_EQ(Look({u"getFile", nullptr}, ids), DISP_E_UNKNOWNNAME);
}

TEST(DispatchArguments, NamedAndPositionalArgumentsComeOutInDeclarationOrder) {
  VARIANT given[2] = {MakeI4(10), MakeI4(20)};
  TArguments order;
  // Positional arguments arrive last first.
  DISPPARAMS positional{given, nullptr, 2, 0};
  ASSERT_EQ(ArgumentsInOrder(positional, 2, order), S_OK);
  EXPECT_EQ(order[0], &given[1]);
  EXPECT_EQ(order[1], &given[0]);

  // Both named, in any order.
  DISPID names[2] = {0, 1};
  DISPPARAMS named{given, names, 2, 2};
  ASSERT_EQ(ArgumentsInOrder(named, 2, order), S_OK);
  EXPECT_EQ(order[0], &given[0]);
  EXPECT_EQ(order[1], &given[1]);

  // The first positionally, the second by name: named ones come first in rgvarg.
  DISPID second[1] = {1};
  DISPPARAMS mixed{given, second, 2, 1};
  ASSERT_EQ(ArgumentsInOrder(mixed, 2, order), S_OK);
  EXPECT_EQ(order[0], &given[1]);
  EXPECT_EQ(order[1], &given[0]);
}

TEST(DispatchArguments, WrongCountsAndNamesAreRefused) {
  VARIANT given[2] = {MakeI4(10), MakeI4(20)};
  TArguments order;
  DISPPARAMS one{given, nullptr, 1, 0};
  EXPECT_EQ(ArgumentsInOrder(one, 2, order), DISP_E_BADPARAMCOUNT);
  DISPPARAMS none;
  EXPECT_EQ(ArgumentsInOrder(none, 0, order), S_OK);
  DISPID twice[2] = {1, 1};
  DISPPARAMS duplicate{given, twice, 2, 2};
  EXPECT_EQ(ArgumentsInOrder(duplicate, 2, order), DISP_E_PARAMNOTFOUND);
  DISPID beyond[1] = {2};
  DISPPARAMS outside{given, beyond, 2, 1};
  EXPECT_EQ(ArgumentsInOrder(outside, 2, order), DISP_E_PARAMNOTFOUND);
  DISPID clash[1] = {0};  // the positional argument already is parameter 0
  DISPPARAMS overlap{given, clash, 2, 1};
  EXPECT_EQ(ArgumentsInOrder(overlap, 2, order), DISP_E_PARAMNOTFOUND);
  DISPPARAMS missingNames{given, nullptr, 2, 1};
  EXPECT_EQ(ArgumentsInOrder(missingNames, 2, order), E_INVALIDARG);
}

}  // namespace
}  // namespace moyo::com
