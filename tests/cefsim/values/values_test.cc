// CEF's value semantics as a caller sees them: ownership transfer on set,
// references into containers, invalidation and read-only rules.
#include <functional>
#include <string>

#include "gtest/gtest.h"
#include "include/cef_values.h"
#include "violations.h"

namespace {

struct TypedCase {
  const char* name;
  std::function<void(CefRefPtr<CefDictionaryValue>)> set;
  CefValueType type;
  std::function<bool(CefRefPtr<CefDictionaryValue>)> check;
};

TEST(DictionaryValue, StoresEachTypeUnderItsKey) {
  const unsigned char bytes[] = {1, 2, 3};
  const TypedCase cases[] = {
      {"null", [](auto d) { d->SetNull("k"); }, VTYPE_NULL,
       [](auto d) { return d->GetInt("k") == 0; }},
      {"bool", [](auto d) { d->SetBool("k", true); }, VTYPE_BOOL,
       [](auto d) { return d->GetBool("k"); }},
      {"int", [](auto d) { d->SetInt("k", -7); }, VTYPE_INT,
       [](auto d) { return d->GetInt("k") == -7 && d->GetDouble("k") == 0; }},
      {"double", [](auto d) { d->SetDouble("k", 2.5); }, VTYPE_DOUBLE,
       [](auto d) { return d->GetDouble("k") == 2.5 && d->GetInt("k") == 0; }},
      {"string", [](auto d) { d->SetString("k", "h\xC3\xA9"); }, VTYPE_STRING,
       [](auto d) { return d->GetString("k").ToString() == "h\xC3\xA9"; }},
      {"binary",
       [&](auto d) { d->SetBinary("k", CefBinaryValue::Create(bytes, 3)); },
       VTYPE_BINARY, [](auto d) { return d->GetBinary("k")->GetSize() == 3; }},
      {"list", [](auto d) { d->SetList("k", CefListValue::Create()); },
       VTYPE_LIST, [](auto d) { return d->GetList("k")->GetSize() == 0; }},
  };
  for (const TypedCase& c : cases) {
    CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
    c.set(dict);
    EXPECT_EQ(c.type, dict->GetType("k")) << c.name;
    EXPECT_TRUE(c.check(dict)) << c.name;
    EXPECT_EQ(1u, dict->GetSize()) << c.name;
    EXPECT_EQ(c.type, dict->GetValue("k")->GetType()) << c.name;
  }
}

TEST(DictionaryValue, MissingKeysReadAsEmpty) {
  CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
  EXPECT_FALSE(dict->HasKey("x"));
  EXPECT_EQ(VTYPE_INVALID, dict->GetType("x"));
  EXPECT_FALSE(dict->GetValue("x"));
  EXPECT_FALSE(dict->GetDictionary("x"));
  EXPECT_FALSE(dict->Remove("x"));
}

TEST(DictionaryValue, SettingAFreeContainerMovesItAndInvalidatesTheCaller) {
  CefRefPtr<CefDictionaryValue> outer = CefDictionaryValue::Create();
  CefRefPtr<CefDictionaryValue> inner = CefDictionaryValue::Create();
  inner->SetInt("n", 1);
  EXPECT_FALSE(inner->IsOwned());
  ASSERT_TRUE(outer->SetDictionary("inner", inner));
  EXPECT_FALSE(inner->IsValid());
  EXPECT_EQ(1, outer->GetDictionary("inner")->GetInt("n"));
}

TEST(DictionaryValue, SettingAnOwnedContainerCopiesIt) {
  CefRefPtr<CefDictionaryValue> a = CefDictionaryValue::Create();
  a->SetDictionary("child", CefDictionaryValue::Create());
  CefRefPtr<CefDictionaryValue> child = a->GetDictionary("child");
  ASSERT_TRUE(child->IsOwned());
  CefRefPtr<CefDictionaryValue> b = CefDictionaryValue::Create();
  ASSERT_TRUE(b->SetDictionary("copy", child));
  EXPECT_TRUE(child->IsValid());
  child->SetInt("later", 5);
  EXPECT_FALSE(b->GetDictionary("copy")->HasKey("later"));
  EXPECT_TRUE(a->GetDictionary("child")->HasKey("later"));
}

TEST(DictionaryValue, ReferenceSeesChangesAndDiesWithItsEntry) {
  struct Case {
    const char* name;
    std::function<void(CefRefPtr<CefDictionaryValue>)> drop;
  };
  const Case cases[] = {
      {"remove", [](auto d) { d->Remove("child"); }},
      {"overwrite", [](auto d) { d->SetInt("child", 3); }},
      {"clear", [](auto d) { d->Clear(); }},
  };
  for (const Case& c : cases) {
    CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
    dict->SetDictionary("child", CefDictionaryValue::Create());
    CefRefPtr<CefDictionaryValue> child = dict->GetDictionary("child");
    child->SetString("s", "x");
    EXPECT_EQ("x", dict->GetDictionary("child")->GetString("s").ToString())
        << c.name;
    EXPECT_TRUE(child->IsSame(dict->GetDictionary("child"))) << c.name;
    c.drop(dict);
    EXPECT_FALSE(child->IsValid()) << c.name;
    EXPECT_EQ(0u, child->GetSize()) << c.name;
    EXPECT_EQ(1, orvtest::TakeViolations("accessed after being detached"))
        << c.name;
  }
}

TEST(DictionaryValue, ReferenceOutlivingItsTreeBecomesInvalid) {
  CefRefPtr<CefListValue> list;
  {
    CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
    dict->SetList("l", CefListValue::Create());
    list = dict->GetList("l");
  }
  EXPECT_FALSE(list->IsValid());
}

TEST(DictionaryValue, ReferencesIntoAMovedTreeStayValid) {
  CefRefPtr<CefDictionaryValue> root = CefDictionaryValue::Create();
  root->SetDictionary("a", CefDictionaryValue::Create());
  CefRefPtr<CefDictionaryValue> a = root->GetDictionary("a");
  CefRefPtr<CefListValue> holder = CefListValue::Create();
  holder->SetDictionary(0, root);
  EXPECT_FALSE(root->IsValid());
  EXPECT_TRUE(a->IsValid());
  a->SetBool("moved", true);
  EXPECT_TRUE(holder->GetDictionary(0)->GetDictionary("a")->GetBool("moved"));
}

TEST(DictionaryValue, CopyCanDropEmptyChildDictionaries) {
  CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
  CefRefPtr<CefDictionaryValue> nested = CefDictionaryValue::Create();
  nested->SetDictionary("empty", CefDictionaryValue::Create());
  dict->SetDictionary("nested", nested);
  dict->SetList("list", CefListValue::Create());
  dict->SetInt("n", 1);

  CefRefPtr<CefDictionaryValue> full = dict->Copy(false);
  EXPECT_EQ(3u, full->GetSize());
  EXPECT_TRUE(full->IsEqual(dict));
  EXPECT_FALSE(full->IsSame(dict));
  EXPECT_FALSE(full->IsOwned());

  CefRefPtr<CefDictionaryValue> pruned = dict->Copy(true);
  CefDictionaryValue::KeyList keys;
  ASSERT_TRUE(pruned->GetKeys(keys));
  ASSERT_EQ(2u, keys.size());
  EXPECT_EQ("list", keys[0].ToString());
  EXPECT_EQ("n", keys[1].ToString());
}

TEST(ListValue, GrowsWithNullsAndShrinksOnRequest) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  ASSERT_TRUE(list->SetInt(2, 9));
  ASSERT_EQ(3u, list->GetSize());
  EXPECT_EQ(VTYPE_NULL, list->GetType(0));
  EXPECT_EQ(VTYPE_INVALID, list->GetType(3));
  list->SetList(0, CefListValue::Create());
  CefRefPtr<CefListValue> first = list->GetList(0);
  ASSERT_TRUE(list->SetSize(1));
  EXPECT_TRUE(first->IsValid());
  ASSERT_TRUE(list->Remove(0));
  EXPECT_FALSE(first->IsValid());
  EXPECT_FALSE(list->Remove(0));
}

TEST(Value, SetValueRebindsTheCallerToTheStoredContainer) {
  CefRefPtr<CefValue> value = CefValue::Create();
  CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
  value->SetDictionary(dict);
  // A CefValue keeps the very object it was given.
  EXPECT_EQ(dict.get(), value->GetDictionary().get());

  CefRefPtr<CefListValue> list = CefListValue::Create();
  ASSERT_TRUE(list->SetValue(0, value));
  EXPECT_FALSE(dict->IsValid());
  EXPECT_TRUE(value->IsValid());
  EXPECT_TRUE(value->IsOwned());
  value->GetDictionary()->SetInt("via_value", 4);
  EXPECT_EQ(4, list->GetDictionary(0)->GetInt("via_value"));
}

TEST(Value, SimpleValuesAreCopiesNeverTheSame) {
  CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
  dict->SetInt("n", 1);
  CefRefPtr<CefValue> a = dict->GetValue("n");
  CefRefPtr<CefValue> b = dict->GetValue("n");
  EXPECT_FALSE(a->IsSame(b));
  EXPECT_TRUE(a->IsEqual(b));
  a->SetInt(2);
  EXPECT_EQ(1, dict->GetInt("n"));
  EXPECT_FALSE(a->IsOwned());
  EXPECT_FALSE(a->IsReadOnly());

  dict->SetDictionary("d", CefDictionaryValue::Create());
  EXPECT_TRUE(dict->GetValue("d")->IsSame(dict->GetValue("d")));
  CefRefPtr<CefValue> copy = dict->GetValue("d")->Copy();
  EXPECT_FALSE(copy->IsSame(dict->GetValue("d")));
  EXPECT_TRUE(copy->IsEqual(dict->GetValue("d")));
}

TEST(BinaryValue, IsReadOnlyAndReadsByOffset) {
  const char data[] = "abcdef";
  CefRefPtr<CefBinaryValue> binary = CefBinaryValue::Create(data, 6);
  ASSERT_TRUE(binary);
  char out[4] = {};
  EXPECT_EQ(3u, binary->GetData(out, 3, 3));
  EXPECT_EQ(std::string("def"), std::string(out, 3));
  EXPECT_EQ(2u, binary->GetData(out, 2, 0));
  EXPECT_EQ(0u, binary->GetData(out, 2, 6));
  EXPECT_EQ(1, orvtest::TakeViolations("offset beyond"));

  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetBinary(binary);
  EXPECT_TRUE(value->IsReadOnly());
  EXPECT_TRUE(binary->Copy()->IsEqual(binary));
  EXPECT_FALSE(binary->Copy()->IsSame(binary));
}

TEST(BinaryValue, RefusesEmptyData) {
  EXPECT_FALSE(CefBinaryValue::Create(nullptr, 4));
  EXPECT_FALSE(CefBinaryValue::Create("x", 0));
  EXPECT_EQ(2, orvtest::TakeViolations("without data"));
}

}  // namespace
