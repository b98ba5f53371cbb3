// CefV8Value: primitives and their type questions, numbers as V8 keeps them,
// objects with keyed and indexed values and their attributes, arrays, and
// identity.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "v8_test_fixture.h"
#include "violations.h"

namespace orvtest {
namespace {

enum TypeBit {
  kUndefined = 1 << 0,
  kNull = 1 << 1,
  kBool = 1 << 2,
  kInt = 1 << 3,
  kUInt = 1 << 4,
  kDouble = 1 << 5,
  kString = 1 << 6,
};

unsigned TypesOf(CefRefPtr<CefV8Value> value) {
  return (value->IsUndefined() ? kUndefined : 0) |
         (value->IsNull() ? kNull : 0) | (value->IsBool() ? kBool : 0) |
         (value->IsInt() ? kInt : 0) | (value->IsUInt() ? kUInt : 0) |
         (value->IsDouble() ? kDouble : 0) | (value->IsString() ? kString : 0);
}

struct PrimitiveCase {
  const char* name;
  std::function<CefRefPtr<CefV8Value>()> make;
  unsigned types;
  bool bool_value;
  int32 int_value;
  uint32 uint_value;
  double double_value;
  std::wstring string_value;
};

// CEF answers IsInt and IsUInt alike for both integer types and reads one
// as the other's bits.
const PrimitiveCase kPrimitives[] = {
    {"undefined", [] { return CefV8Value::CreateUndefined(); }, kUndefined,
     false, 0, 0, 0, L""},
    {"null", [] { return CefV8Value::CreateNull(); }, kNull, false, 0, 0, 0,
     L""},
    {"true", [] { return CefV8Value::CreateBool(true); }, kBool, true, 0, 0, 0,
     L""},
    {"false", [] { return CefV8Value::CreateBool(false); }, kBool, false, 0, 0,
     0, L""},
    {"negative int", [] { return CefV8Value::CreateInt(-5); },
     kInt | kUInt | kDouble, false, -5, 4294967291u, -5, L""},
    {"large uint", [] { return CefV8Value::CreateUInt(3000000000u); },
     kInt | kUInt | kDouble, false, -1294967296, 3000000000u, 3e9, L""},
    {"double", [] { return CefV8Value::CreateDouble(2.5); }, kDouble, false, 0,
     0, 2.5, L""},
    {"string", [] { return CefV8Value::CreateString(L"h\u00e9llo"); }, kString,
     false, 0, 0, 0, L"h\u00e9llo"},
    {"empty string", [] { return CefV8Value::CreateString(""); }, kString,
     false, 0, 0, 0, L""},
};

TEST_F(V8Test, PrimitivesAnswerAsCefDoes) {
  for (const PrimitiveCase& c : kPrimitives) {
    SCOPED_TRACE(c.name);
    CefRefPtr<CefV8Value> value = c.make();
    ASSERT_TRUE(value);
    EXPECT_TRUE(value->IsValid());
    EXPECT_EQ(c.types, TypesOf(value));
    EXPECT_FALSE(value->IsObject());
    EXPECT_FALSE(value->IsFunction());
    EXPECT_FALSE(value->IsArray());
    EXPECT_EQ(c.bool_value, value->GetBoolValue());
    EXPECT_EQ(c.int_value, value->GetIntValue());
    EXPECT_EQ(c.uint_value, value->GetUIntValue());
    EXPECT_EQ(c.double_value, value->GetDoubleValue());
    EXPECT_EQ(c.string_value, value->GetStringValue().ToWString());
  }
}

TEST_F(V8Test, PrimitivesNeedNoContextButObjectsDo) {
  EXPECT_FALSE(CefV8Context::InContext());
  EXPECT_TRUE(CefV8Value::CreateInt(1));
  EXPECT_FALSE(CefV8Value::CreateObject(nullptr, nullptr));
  EXPECT_FALSE(CefV8Value::CreateArray(1));
  EXPECT_EQ(2, TakeViolations("not currently in a V8 context"));
}

TEST_F(V8Test, NothingWorksOffTheRenderThread) {
  CefRefPtr<CefV8Value> value;
  bool in_context = true;
  std::thread other([&] {
    value = CefV8Value::CreateString("x");
    in_context = CefV8Context::InContext();
  });
  other.join();
  EXPECT_FALSE(value);
  EXPECT_FALSE(in_context);
  EXPECT_EQ(2, TakeViolations("V8 isolate is not valid"));
}

struct StoredNumberCase {
  const char* name;
  std::function<CefRefPtr<CefV8Value>()> make;
  unsigned types_read_back;
};

// Once stored, a number reads back the way V8 classifies it.
const StoredNumberCase kStoredNumbers[] = {
    {"integral double", [] { return CefV8Value::CreateDouble(2.0); },
     kInt | kUInt | kDouble},
    {"small uint", [] { return CefV8Value::CreateUInt(7); },
     kInt | kUInt | kDouble},
    {"large uint", [] { return CefV8Value::CreateUInt(3000000000u); },
     kInt | kUInt | kDouble},
    {"fraction", [] { return CefV8Value::CreateDouble(0.5); }, kDouble},
    {"minus zero", [] { return CefV8Value::CreateDouble(-0.0); }, kDouble},
    {"nan",
     [] {
       return CefV8Value::CreateDouble(
           std::numeric_limits<double>::quiet_NaN());
     },
     kDouble},
};

TEST_F(V8Test, StoredNumbersReadBackAsV8KeepsThem) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
  for (const StoredNumberCase& c : kStoredNumbers) {
    SCOPED_TRACE(c.name);
    CefRefPtr<CefV8Value> original = c.make();
    ASSERT_TRUE(object->SetValue("n", original, V8_PROPERTY_ATTRIBUTE_NONE));
    CefRefPtr<CefV8Value> back = object->GetValue("n");
    EXPECT_EQ(c.types_read_back, TypesOf(back));
    if (!std::isnan(original->GetDoubleValue())) {
      EXPECT_EQ(original->GetDoubleValue(), back->GetDoubleValue());
    }
  }
  // A stored integral double is an int: it matches an int, not a double.
  object->SetValue("n", CefV8Value::CreateDouble(2.0),
                   V8_PROPERTY_ATTRIBUTE_NONE);
  EXPECT_TRUE(object->GetValue("n")->IsSame(CefV8Value::CreateInt(2)));
  EXPECT_FALSE(object->GetValue("n")->IsSame(CefV8Value::CreateDouble(2.0)));
}

TEST_F(V8Test, KeyedValues) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
  ASSERT_TRUE(object && object->IsObject() && object->IsUserCreated());

  EXPECT_FALSE(object->HasValue("a"));
  CefRefPtr<CefV8Value> missing = object->GetValue("a");
  ASSERT_TRUE(missing);
  EXPECT_TRUE(missing->IsUndefined());

  EXPECT_TRUE(object->SetValue("b", CefV8Value::CreateString("B"),
                               V8_PROPERTY_ATTRIBUTE_NONE));
  EXPECT_TRUE(object->SetValue("a", CefV8Value::CreateInt(1),
                               V8_PROPERTY_ATTRIBUTE_NONE));
  EXPECT_TRUE(object->SetValue(2, CefV8Value::CreateInt(2)));
  EXPECT_TRUE(object->SetValue("0", CefV8Value::CreateInt(0),
                               V8_PROPERTY_ATTRIBUTE_NONE));
  EXPECT_TRUE(object->SetValue("", CefV8Value::CreateNull(),
                               V8_PROPERTY_ATTRIBUTE_NONE));
  EXPECT_TRUE(object->HasValue("a"));
  EXPECT_TRUE(object->HasValue(""));
  EXPECT_EQ(L"B", object->GetValue("b")->GetStringValue().ToWString());
  // A key that spells an index is that index.
  EXPECT_TRUE(object->HasValue(0));
  EXPECT_EQ(2, object->GetValue("2")->GetIntValue());

  // Indices first in ascending order, then names in the order added.
  std::vector<CefString> keys;
  EXPECT_TRUE(object->GetKeys(keys));
  std::vector<std::wstring> names;
  for (const CefString& key : keys)
    names.push_back(key.ToWString());
  EXPECT_EQ((std::vector<std::wstring>{L"0", L"2", L"b", L"a", L""}), names);

  EXPECT_TRUE(object->DeleteValue("a"));
  EXPECT_FALSE(object->HasValue("a"));
  EXPECT_TRUE(object->DeleteValue(2));
  EXPECT_FALSE(object->HasValue(2));
}

struct AttributeCase {
  const char* name;
  cef_v8_propertyattribute_t attributes;
  bool assignment_succeeds;
  bool deletion_succeeds;
  bool enumerated;
};

const AttributeCase kAttributes[] = {
    {"none", V8_PROPERTY_ATTRIBUTE_NONE, true, true, true},
    {"read-only", V8_PROPERTY_ATTRIBUTE_READONLY, false, true, true},
    {"dont-enum", V8_PROPERTY_ATTRIBUTE_DONTENUM, true, true, false},
    {"dont-delete", V8_PROPERTY_ATTRIBUTE_DONTDELETE, true, false, true},
    {"as the router sets them",
     static_cast<cef_v8_propertyattribute_t>(V8_PROPERTY_ATTRIBUTE_READONLY |
                                             V8_PROPERTY_ATTRIBUTE_DONTENUM |
                                             V8_PROPERTY_ATTRIBUTE_DONTDELETE),
     false, false, false},
};

TEST_F(V8Test, PropertyAttributes) {
  ScopedEnter enter(context_);
  for (const AttributeCase& c : kAttributes) {
    SCOPED_TRACE(c.name);
    CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
    ASSERT_TRUE(object->SetValue("p", CefV8Value::CreateInt(13), c.attributes));
    EXPECT_EQ(c.assignment_succeeds,
              object->SetValue("p", CefV8Value::CreateInt(65),
                               V8_PROPERTY_ATTRIBUTE_NONE));
    EXPECT_EQ(c.assignment_succeeds ? 65 : 13,
              object->GetValue("p")->GetIntValue());
    std::vector<CefString> keys;
    object->GetKeys(keys);
    EXPECT_EQ(c.enumerated ? 1u : 0u, keys.size());
    EXPECT_EQ(c.deletion_succeeds, object->DeleteValue("p"));
    EXPECT_EQ(!c.deletion_succeeds, object->HasValue("p"));
  }
}

TEST_F(V8Test, FixedPropertyCannotBeRedefined) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> global = context_->GetGlobal();
  const auto fixed = static_cast<cef_v8_propertyattribute_t>(
      V8_PROPERTY_ATTRIBUTE_READONLY | V8_PROPERTY_ATTRIBUTE_DONTDELETE);
  ASSERT_TRUE(global->SetValue("f", CefV8Value::CreateInt(1), fixed));
  EXPECT_TRUE(global->SetValue("f", CefV8Value::CreateInt(1), fixed));
  EXPECT_FALSE(global->SetValue("f", CefV8Value::CreateInt(2), fixed));
  EXPECT_FALSE(global->SetValue("f", CefV8Value::CreateInt(1),
                                V8_PROPERTY_ATTRIBUTE_DONTDELETE));
  EXPECT_EQ(1, global->GetValue("f")->GetIntValue());
}

TEST_F(V8Test, Arrays) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> array = CefV8Value::CreateArray(0);
  ASSERT_TRUE(array && array->IsArray() && array->IsObject());
  EXPECT_EQ(0, array->GetArrayLength());
  EXPECT_TRUE(array->SetValue(0, CefV8Value::CreateInt(10)));
  EXPECT_TRUE(array->SetValue(1, CefV8Value::CreateInt(43)));
  EXPECT_EQ(2, array->GetArrayLength());
  EXPECT_EQ(43, array->GetValue(1)->GetIntValue());
  // Deleting leaves the length alone.
  EXPECT_TRUE(array->DeleteValue(1));
  EXPECT_FALSE(array->HasValue(1));
  EXPECT_EQ(2, array->GetArrayLength());

  EXPECT_EQ(3, CefV8Value::CreateArray(3)->GetArrayLength());

  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
  EXPECT_FALSE(object->IsArray());
  EXPECT_EQ(0, object->GetArrayLength());
  EXPECT_EQ(1, TakeViolations("GetArrayLength: V8 value is not an array"));
  EXPECT_FALSE(array->HasValue(-1));
  EXPECT_EQ(1, TakeViolations("HasValue: invalid input parameter"));
}

TEST_F(V8Test, Identity) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
  CefRefPtr<CefV8Value> global = context_->GetGlobal();
  global->SetValue("o", object, V8_PROPERTY_ATTRIBUTE_NONE);
  CefRefPtr<CefV8Value> again = global->GetValue("o");
  EXPECT_NE(object.get(), again.get());
  EXPECT_TRUE(again->IsSame(object));
  EXPECT_TRUE(context_->GetGlobal()->IsSame(global));
  EXPECT_FALSE(CefV8Value::CreateObject(nullptr, nullptr)->IsSame(object));

  EXPECT_TRUE(
      CefV8Value::CreateString("s")->IsSame(CefV8Value::CreateString("s")));
  EXPECT_FALSE(CefV8Value::CreateInt(5)->IsSame(CefV8Value::CreateInt(6)));
  // Different types never match, even for one number.
  EXPECT_FALSE(CefV8Value::CreateInt(5)->IsSame(CefV8Value::CreateUInt(5)));
  EXPECT_TRUE(CefV8Value::CreateNull()->IsSame(CefV8Value::CreateNull()));
  EXPECT_FALSE(CefV8Value::CreateNull()->IsSame(nullptr));
}

TEST_F(V8Test, ObjectOperationsOnPrimitivesAreMisuse) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> number = CefV8Value::CreateInt(1);
  EXPECT_FALSE(number->HasValue("x"));
  EXPECT_FALSE(number->GetValue("x"));
  EXPECT_FALSE(number->HasException());
  EXPECT_EQ(3, TakeViolations("V8 value is not an object"));
}

TEST_F(V8Test, UserData) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
  CefRefPtr<CefV8Value> data = CefV8Value::CreateObject(nullptr, nullptr);
  EXPECT_TRUE(object->SetUserData(data.get()));
  EXPECT_EQ(data.get(), object->GetUserData().get());
  // The window object is not one CEF made, so it takes no user data.
  EXPECT_FALSE(context_->GetGlobal()->IsUserCreated());
  EXPECT_FALSE(context_->GetGlobal()->SetUserData(data.get()));
}

}  // namespace
}  // namespace orvtest
