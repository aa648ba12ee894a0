#pragma once

#include "VYRAModuleABI.h"
#include "plugins/TVYRAInterfaceCounter.h"

#include <cstdint>

// A host object handed to plug-ins through interface I: starts with one
// reference (the receiver's), answers queryInterface for I, the base
// interface and the extra identity a subclass adds, and frees itself when
// the last reference goes.
template <class I>
class TVYRAInterfaceObject : public I, private TVYRAInterfaceCounter
{
public:
    explicit TVYRAInterfaceObject(const TVYRAGUID &iid)
        : m_iid(iid)
    {
    }

    TVYRAResult queryInterface(const TVYRAGUID &iid, void **object) override
    {
        if (!object)
            return VYRA_E_INVALIDARG;
        *object = nullptr;
        if (iid == m_iid || iid == IID_IVYRAUnknown)
            *object = static_cast<I *>(this);
        else
            *object = queryOther(iid);
        if (!*object)
            return VYRA_E_NOINTERFACE;
        addRef();
        return VYRA_S_OK;
    }
    uint32_t addRef() override { return ++m_references; }
    uint32_t release() override
    {
        const uint32_t left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~TVYRAInterfaceObject() = default;
    // Further interfaces of a subclass; nullptr when it has none for iid.
    virtual void *queryOther(const TVYRAGUID &) { return nullptr; }

private:
    TVYRAGUID m_iid;
    uint32_t m_references = 1;
};
