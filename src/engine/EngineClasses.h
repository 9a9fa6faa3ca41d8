// Named item containers: intrusive doubly linked lists with sentinel ends, a one-entry lookup
// cache, an optional pool of recycled items, and pooled enumerators that survive the removal
// of the item they stand on. Every named or listed engine object is a TContainerItem.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TContainer;

enum TInsertPosition : int { ipFirst = 0, ipSorted = 1, ipLast = 2 };

class TContainerItem {
 public:
  TContainerItem() = default;
  virtual ~TContainerItem() = default;
  TContainerItem(const TContainerItem&) = delete;
  TContainerItem& operator=(const TContainerItem&) = delete;

  // Called by Add before the item is linked; Data is the caller's value passed through Add.
  virtual void Added(TContainer* Container, void* Data) {}
  // Called by Remove after the item is unlinked, before it is freed or cached.
  virtual void Removed(TContainer* Container) {}
  // Sorted insertion: true keeps this item in front of Item.
  virtual bool IsBefore(TContainerItem* Item) { return false; }

  TContainer* Container = nullptr;
  bool Cached = false;
  TContainerItem* Prev = nullptr;
  TContainerItem* Next = nullptr;
  std::string Name;
};

class TContainerEnumerator {
 public:
  void MoveNext();
  void Recycle();

  TContainer* Container = nullptr;
  TContainerEnumerator* PrevEnumerator = nullptr;
  TContainerEnumerator* NextEnumerator = nullptr;
  bool HasCurrent = false;
  TContainerItem* Current = nullptr;

 private:
  friend class TContainer;
  void PositionOn(TContainerItem* Node);
};

// Makes one recycled item of a cached container's item class.
using TContainerItemFactory = std::function<TContainerItem*()>;

class TContainer {
 public:
  TContainer();
  // A container whose AddNew takes recycled items made by Factory; CacheSize made at once.
  // An empty Factory fails with "Invalid TContainer CacheItemClass parameter".
  TContainer(TContainerItemFactory Factory, int CacheSize);
  virtual ~TContainer();
  TContainer(const TContainer&) = delete;
  TContainer& operator=(const TContainer&) = delete;

  void Add(TContainerItem* Item, void* Data = nullptr, TInsertPosition Position = ipLast);
  TContainerItem* AddNew(const std::string& Name, void* Data = nullptr,
                         TInsertPosition Position = ipLast);
  TContainerItem* Find(const std::string& Name);
  void Remove(TContainerItem* Item);
  void Clear();
  TContainerEnumerator* GetEnumerator();

  TContainerItem* First() const { return Head->Next != Tail ? Head->Next : nullptr; }
  TContainerItem* Last() const { return Tail->Prev != Head ? Tail->Prev : nullptr; }
  bool IsEnd(const TContainerItem* Node) const { return Node == Tail || Node == Head; }

  // Calls Visit for every item in list order; removing the visited item is allowed.
  template <typename TVisit>
  void ForEach(TVisit&& Visit) {
    TContainerEnumerator* E = GetEnumerator();
    while (E->HasCurrent) {
      if (E->Current) Visit(E->Current);
      E->MoveNext();
    }
    E->Recycle();
  }

  int Count = 0;
  TContainerItem* Head = nullptr;
  TContainerItem* Tail = nullptr;
  TContainerItemFactory CacheItemClass;
  int CacheSize = 0;
  TContainerItem* Cache = nullptr;
  TContainerItem* LastFound = nullptr;
  TContainerEnumerator* Enumerators = nullptr;

 private:
  void GrowCache(int Amount);
};

// Shared state of all containers (exposed for tests).
extern int ContainerCount;
extern int EnumeratorPoolSize;
