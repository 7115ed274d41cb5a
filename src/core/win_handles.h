// Small owners for Win32 handles, GDI objects and COM interfaces: each closes or
// releases what it holds exactly once, so early returns never leak.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

// A kernel handle (file, process, thread, event, mutex). Both null and
// INVALID_HANDLE_VALUE count as "nothing held".
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : handle_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return Valid(); }
    HANDLE Release() { return std::exchange(handle_, nullptr); }
    void Reset(HANDLE h = nullptr)
    {
        if (Valid())
            CloseHandle(handle_);
        handle_ = h;
    }

private:
    HANDLE handle_ = nullptr;
};

// A GDI object (font, brush, pen, bitmap) deleted with DeleteObject.
template <class T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T object) : object_(object) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : object_(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~GdiObject() { Reset(); }

    T Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    T Release() { return std::exchange(object_, nullptr); }
    void Reset(T object = nullptr)
    {
        if (object_)
            DeleteObject(object_);
        object_ = object;
    }

private:
    T object_ = nullptr;
};

// A COM interface pointer released at the end of its scope.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : ptr_(other.ptr_)
    {
        if (ptr_)
            ptr_->AddRef();
    }
    ComPtr& operator=(const ComPtr& other)
    {
        if (other.ptr_)
            other.ptr_->AddRef();
        Reset(other.ptr_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* Get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** Put()
    {
        Reset();
        return &ptr_;
    }
    void Reset(T* p = nullptr)
    {
        if (ptr_)
            ptr_->Release();
        ptr_ = p;
    }

private:
    T* ptr_ = nullptr;
};

// Keeps COM initialised on this thread for the lifetime of the object.
class ComInit {
public:
    ComInit() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;
    ~ComInit()
    {
        if (ok_)
            CoUninitialize();
    }

private:
    bool ok_;
};
