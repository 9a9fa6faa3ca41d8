#include "engine/EngineClasses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TNamed : TContainerItem {
  explicit TNamed(const std::string& N = "", int Rank = 0) : Rank(Rank) { Name = N; }
  void Added(TContainer*, void* Data) override { LastData = Data; }
  bool IsBefore(TContainerItem* Item) override {
    return Rank < static_cast<TNamed*>(Item)->Rank;
  }
  int Rank;
  void* LastData = nullptr;
};

std::vector<std::string> Names(TContainer& C) {
  std::vector<std::string> Result;
  C.ForEach([&](TContainerItem* Item) { Result.push_back(Item->Name); });
  return Result;
}

void Fill(TContainer& C, std::initializer_list<const char*> List) {
  for (const char* N : List) C.Add(new TNamed(N));
}

}  // namespace

TEST(Container, RemovingDuringWalkVisitsEveryOtherItemOnce) {
  struct Case {
    const char* Remove;
    std::vector<std::string> Visited;
  } Cases[] = {
      {"a", {"a", "b", "c", "d"}},
      {"b", {"a", "b", "c", "d"}},
      {"d", {"a", "b", "c", "d"}},
  };
  for (const Case& C : Cases) {
    TContainer List;
    Fill(List, {"a", "b", "c", "d"});
    std::vector<std::string> Visited;
    TContainerEnumerator* E = List.GetEnumerator();
    while (E->HasCurrent) {
      if (E->Current) {
        Visited.push_back(E->Current->Name);
        if (E->Current->Name == C.Remove) List.Remove(E->Current);
      }
      E->MoveNext();
    }
    E->Recycle();
    EXPECT_EQ(Visited, C.Visited) << C.Remove;
    EXPECT_EQ(List.Count, 3);
  }
}

TEST(Container, RemovingFirstLeavesEnumeratorBeforeTheNewFirst) {
  TContainer List;
  Fill(List, {"a", "b"});
  TContainerEnumerator* E = List.GetEnumerator();
  List.Remove(E->Current);
  EXPECT_TRUE(E->HasCurrent);
  EXPECT_EQ(E->Current, nullptr);
  E->MoveNext();
  ASSERT_NE(E->Current, nullptr);
  EXPECT_EQ(E->Current->Name, "b");
  E->MoveNext();
  EXPECT_FALSE(E->HasCurrent);
  E->Recycle();
}

TEST(Container, NestedWalkRemovingTheOuterCurrentKeepsBothWalksValid) {
  TContainer List;
  Fill(List, {"a", "b", "c"});
  std::vector<std::string> Outer;
  int InnerVisits = 0;
  TContainerEnumerator* E = List.GetEnumerator();
  while (E->HasCurrent) {
    if (E->Current) {
      Outer.push_back(E->Current->Name);
      if (E->Current->Name == "b") {
        TContainerEnumerator* Inner = List.GetEnumerator();
        while (Inner->HasCurrent) {
          if (Inner->Current) {
            ++InnerVisits;
            if (Inner->Current->Name == "b") List.Remove(Inner->Current);
          }
          Inner->MoveNext();
        }
        Inner->Recycle();
      }
    }
    E->MoveNext();
  }
  E->Recycle();
  EXPECT_EQ(Outer, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(InnerVisits, 3);
  EXPECT_EQ(Names(List), (std::vector<std::string>{"a", "c"}));
}

TEST(Container, InsertPositions) {
  TContainer List;
  List.Add(new TNamed("mid", 5), nullptr, ipLast);
  List.Add(new TNamed("first", 9), nullptr, ipFirst);
  List.Add(new TNamed("last", 0), nullptr, ipLast);
  EXPECT_EQ(Names(List), (std::vector<std::string>{"first", "mid", "last"}));

  TContainer Sorted;
  for (int Rank : {5, 1, 9, 5})
    Sorted.Add(new TNamed(std::to_string(Rank), Rank), nullptr, ipSorted);
  // IsBefore keeps smaller ranks in front; equal ranks put the newcomer in front.
  EXPECT_EQ(Names(Sorted), (std::vector<std::string>{"1", "5", "5", "9"}));

  TContainer Default;
  Default.Add(new TContainerItem, nullptr, ipLast);
  auto* Front = new TContainerItem;
  Front->Name = "front";
  Default.Add(Front, nullptr, ipSorted);
  EXPECT_EQ(Default.First(), Front);
}

TEST(Container, FindIsExactAndRemembersItsLastHit) {
  TContainer List;
  Fill(List, {"", "Grass", "grass"});
  EXPECT_EQ(List.Find(""), nullptr);
  ASSERT_NE(List.Find("Grass"), nullptr);
  EXPECT_EQ(List.LastFound->Name, "Grass");
  EXPECT_EQ(List.Find("grass")->Name, "grass");
  EXPECT_EQ(List.Find("GRASS"), nullptr);
  EXPECT_EQ(List.LastFound, nullptr);
  TContainerItem* Hit = List.Find("Grass");
  List.Remove(Hit);
  EXPECT_EQ(List.LastFound, nullptr);
  EXPECT_EQ(List.Find("Grass"), nullptr);
}

TEST(Container, CacheGrowsByHalfAndRecyclesItems) {
  TContainer Pool([] { return new TNamed; }, 0);
  EXPECT_EQ(Pool.CacheSize, 0);
  int Data = 7;
  TContainerItem* First = Pool.AddNew("one", &Data);
  EXPECT_EQ(Pool.CacheSize, 4);
  for (int i = 0; i < 4; ++i) Pool.AddNew("x");
  EXPECT_EQ(Pool.CacheSize, 8);  // ran dry at 4: grew by max(4 / 2, 4)
  for (int i = 0; i < 4; ++i) Pool.AddNew("y");
  EXPECT_EQ(Pool.CacheSize, 12);  // ran dry at 8: grew by 4
  Pool.Remove(First);
  int Other = 9;
  TContainerItem* Reused = Pool.AddNew("two", &Other);
  EXPECT_EQ(Reused, First);
  EXPECT_EQ(Reused->Name, "two");
  EXPECT_EQ(static_cast<TNamed*>(Reused)->LastData, &Other);
  EXPECT_EQ(Pool.CacheSize, 12);

  TContainer Plain;
  EXPECT_EQ(Plain.AddNew("x"), nullptr);
  EXPECT_THROW(TContainer(TContainerItemFactory(), 3), std::runtime_error);
}

TEST(Container, EnumeratorPoolGrowsWhenManyWalksAreOpen) {
  TContainer List;
  Fill(List, {"a"});
  std::vector<TContainerEnumerator*> Open;
  for (int i = 0; i < 25; ++i) Open.push_back(List.GetEnumerator());
  EXPECT_GE(EnumeratorPoolSize, 25);
  for (auto* E : Open) {
    EXPECT_EQ(E->Current->Name, "a");
    E->Recycle();
  }
  EXPECT_EQ(List.Enumerators, nullptr);
}
