#include "engine/EngineClasses.h"

#include <algorithm>
#include <stdexcept>

int ContainerCount = 0;
int EnumeratorPoolSize = 0;

namespace {

TContainerEnumerator* EnumeratorPool = nullptr;

void MakeEnumerators(int Amount) {
  for (int i = 0; i < Amount; ++i) {
    auto* E = new TContainerEnumerator;
    E->NextEnumerator = EnumeratorPool;
    EnumeratorPool = E;
  }
  EnumeratorPoolSize += Amount;
}

void FreeEnumeratorPool() {
  while (EnumeratorPool) {
    TContainerEnumerator* E = EnumeratorPool;
    EnumeratorPool = E->NextEnumerator;
    delete E;
  }
  EnumeratorPoolSize = 0;
}

}  // namespace

void TContainerEnumerator::PositionOn(TContainerItem* Node) {
  if (Node == Container->Tail) {
    HasCurrent = false;
    Current = nullptr;
  } else if (Node == Container->Head) {
    HasCurrent = true;
    Current = nullptr;
  } else {
    HasCurrent = true;
    Current = Node;
  }
}

void TContainerEnumerator::MoveNext() {
  if (!HasCurrent) return;
  PositionOn(Current ? Current->Next : Container->Head->Next);
}

void TContainerEnumerator::Recycle() {
  if (PrevEnumerator)
    PrevEnumerator->NextEnumerator = NextEnumerator;
  else
    Container->Enumerators = NextEnumerator;
  if (NextEnumerator) NextEnumerator->PrevEnumerator = PrevEnumerator;
  Container = nullptr;
  Current = nullptr;
  PrevEnumerator = nullptr;
  NextEnumerator = EnumeratorPool;
  EnumeratorPool = this;
}

TContainer::TContainer() {
  if (++ContainerCount == 1) {
    EnumeratorPoolSize = 0;
    MakeEnumerators(10);
  }
  Head = new TContainerItem;
  Tail = new TContainerItem;
  Head->Next = Tail;
  Tail->Prev = Head;
}

TContainer::TContainer(TContainerItemFactory Factory, int InitialCacheSize) : TContainer() {
  if (!Factory) throw std::runtime_error("Invalid TContainer CacheItemClass parameter");
  CacheItemClass = std::move(Factory);
  GrowCache(InitialCacheSize);
}

TContainer::~TContainer() {
  Clear();
  while (Cache) {
    TContainerItem* Item = Cache;
    Cache = Item->Next;
    delete Item;
  }
  delete Head;
  delete Tail;
  if (--ContainerCount == 0) FreeEnumeratorPool();
}

void TContainer::GrowCache(int Amount) {
  for (int i = 0; i < Amount; ++i) {
    TContainerItem* Item = CacheItemClass();
    Item->Cached = true;
    Item->Next = Cache;
    Cache = Item;
  }
  CacheSize += Amount;
}

void TContainer::Add(TContainerItem* Item, void* Data, TInsertPosition Position) {
  if (!Item) return;
  Item->Added(this, Data);
  ++Count;
  TContainerItem* After = Head;
  if (Position == ipLast) {
    After = Tail->Prev;
  } else if (Position == ipSorted) {
    TContainerItem* Node = Head->Next;
    while (Node != Tail && Node->IsBefore(Item)) Node = Node->Next;
    After = Node->Prev;
  }
  Item->Prev = After;
  Item->Next = After->Next;
  After->Next->Prev = Item;
  After->Next = Item;
  Item->Container = this;
}

TContainerItem* TContainer::AddNew(const std::string& Name, void* Data,
                                   TInsertPosition Position) {
  if (!CacheItemClass) return nullptr;
  if (!Cache) GrowCache(std::max(CacheSize / 2, 4));
  TContainerItem* Item = Cache;
  Cache = Item->Next;
  Item->Next = nullptr;
  Item->Name = Name;
  Add(Item, Data, Position);
  return Item;
}

TContainerItem* TContainer::Find(const std::string& Name) {
  if (Name.empty()) return nullptr;
  if (LastFound && LastFound->Name == Name) return LastFound;
  LastFound = nullptr;
  for (TContainerItem* Node = Head->Next; Node != Tail; Node = Node->Next) {
    if (Node->Name == Name) {
      LastFound = Node;
      return Node;
    }
  }
  return nullptr;
}

void TContainer::Remove(TContainerItem* Item) {
  if (!Item || Item->Container != this) return;
  for (TContainerEnumerator* E = Enumerators; E; E = E->NextEnumerator)
    if (E->Current == Item) E->PositionOn(Item->Prev);
  if (LastFound == Item) LastFound = nullptr;
  Item->Container = nullptr;
  Item->Prev->Next = Item->Next;
  Item->Next->Prev = Item->Prev;
  --Count;
  Item->Removed(this);
  if (CacheItemClass && Item->Cached) {
    Item->Prev = nullptr;
    Item->Next = Cache;
    Cache = Item;
  } else {
    delete Item;
  }
}

void TContainer::Clear() {
  TContainerEnumerator* E = GetEnumerator();
  while (E->HasCurrent) {
    if (E->Current) Remove(E->Current);
    E->MoveNext();
  }
  E->Recycle();
}

TContainerEnumerator* TContainer::GetEnumerator() {
  if (!EnumeratorPool) MakeEnumerators(std::max(EnumeratorPoolSize / 2, 4));
  TContainerEnumerator* E = EnumeratorPool;
  EnumeratorPool = E->NextEnumerator;
  E->Container = this;
  E->PrevEnumerator = nullptr;
  E->NextEnumerator = Enumerators;
  if (Enumerators) Enumerators->PrevEnumerator = E;
  Enumerators = E;
  E->PositionOn(Head->Next);
  return E;
}
