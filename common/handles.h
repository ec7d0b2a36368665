// Small owners for the system resources the kit obtains: each one releases
// its resource exactly once, on every path, and can be moved but not copied.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

// Owns a value of a handle-like type; Traits says which value means
// "nothing" and how a real one is released.
template <typename Traits>
class UniqueResource {
public:
    using Type = typename Traits::Type;

    UniqueResource() = default;
    explicit UniqueResource(Type value) : m_value(value) {}
    ~UniqueResource() { Reset(); }

    UniqueResource(UniqueResource&& other) noexcept : m_value(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Type Get() const { return m_value; }
    bool IsValid() const { return m_value != Traits::Invalid(); }
    explicit operator bool() const { return IsValid(); }

    // For out-parameters: releases what is held and hands out the slot.
    Type* Put()
    {
        Reset();
        return &m_value;
    }

    Type Release()
    {
        Type value = m_value;
        m_value = Traits::Invalid();
        return value;
    }

    void Reset(Type value = Traits::Invalid())
    {
        if (IsValid())
            Traits::Close(m_value);
        m_value = value;
    }

private:
    Type m_value = Traits::Invalid();
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};

// Process and thread handles use null, not INVALID_HANDLE_VALUE, for "none".
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { CloseHandle(h); }
};

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { FindClose(h); }
};

struct RegistryKeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { RegCloseKey(h); }
};

struct LocalMemoryTraits {
    using Type = HLOCAL;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { LocalFree(h); }
};

// An item-identifier list from the shell, given back through the shell's
// own allocator.
struct ItemIdListTraits {
    using Type = LPITEMIDLIST;
    static Type Invalid() { return nullptr; }
    static void Close(Type list)
    {
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
            allocator->Free(list);
            allocator->Release();
        }
    }
};

// Memory the shell hands out through the COM task allocator.
template <typename T>
struct TaskMemoryTraits {
    using Type = T*;
    static Type Invalid() { return nullptr; }
    static void Close(Type memory) { CoTaskMemFree(memory); }
};

using UniqueFileHandle = UniqueResource<FileHandleTraits>;
using UniqueKernelHandle = UniqueResource<KernelHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueRegistryKey = UniqueResource<RegistryKeyTraits>;
using UniqueLocalMemory = UniqueResource<LocalMemoryTraits>;
using UniqueItemIdList = UniqueResource<ItemIdListTraits>;
template <typename T>
using UniqueTaskMemory = UniqueResource<TaskMemoryTraits<T>>;

// COM on this thread while the object lives. Where the program has started
// it already this only counts up and down again; a caller may not have.
class ComForThisThread {
public:
    ComForThisThread() : m_result(CoInitialize(nullptr)) {}
    ~ComForThisThread()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComForThisThread(const ComForThisThread&) = delete;
    ComForThisThread& operator=(const ComForThisThread&) = delete;

private:
    HRESULT m_result;
};

// Owns one reference to a COM interface.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    // For out-parameters of CoCreateInstance and QueryInterface.
    void** PutVoid()
    {
        Reset();
        return reinterpret_cast<void**>(&m_pointer);
    }

    template <typename Other>
    HRESULT QueryInterface(REFIID iid, ComPtr<Other>& out) const
    {
        return m_pointer->QueryInterface(iid, out.PutVoid());
    }

    void Reset()
    {
        if (m_pointer) {
            m_pointer->Release();
            m_pointer = nullptr;
        }
    }

private:
    Interface* m_pointer = nullptr;
};
