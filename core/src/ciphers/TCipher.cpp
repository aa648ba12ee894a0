#include "VYRACipherClass.h"

uint32_t TVYRARefCounted::increment()
{
    return m_references.fetch_add(1, std::memory_order_relaxed) + 1;
}

bool TVYRARefCounted::decrement(uint32_t *remaining)
{
    const uint32_t before = m_references.fetch_sub(1, std::memory_order_acq_rel);
    *remaining = before - 1;
    return before == 1;
}

namespace {

template <class T>
TVYRAResult answerInterface(T *self, const TVYRAGUID &own, const TVYRAGUID &iid, void **object)
{
    if (object == nullptr)
        return VYRA_E_INVALIDARG;
    if (iid == IID_IVYRAUnknown || iid == own) {
        self->addRef();
        *object = self;
        return VYRA_S_OK;
    }
    *object = nullptr;
    return VYRA_E_NOINTERFACE;
}

} // namespace

TCipher::TCipher() = default;
TCipher::~TCipher() = default;

TVYRAResult TCipher::queryInterface(const TVYRAGUID &iid, void **object)
{
    return answerInterface(this, IID_TCipher, iid, object);
}

uint32_t TCipher::addRef() { return increment(); }

uint32_t TCipher::release()
{
    uint32_t remaining = 0;
    if (decrement(&remaining))
        delete this;
    return remaining;
}

TCipherCollection::TCipherCollection() = default;
TCipherCollection::~TCipherCollection() = default;

TVYRAResult TCipherCollection::queryInterface(const TVYRAGUID &iid, void **object)
{
    return answerInterface(this, IID_TCipherCollection, iid, object);
}

uint32_t TCipherCollection::addRef() { return increment(); }

uint32_t TCipherCollection::release()
{
    uint32_t remaining = 0;
    if (decrement(&remaining))
        delete this;
    return remaining;
}
