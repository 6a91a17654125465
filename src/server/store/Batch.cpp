#include "Batch.h"

#include "Store.h"

namespace collab::store {

Batch::Batch(Store &store) : store_(store)
{
    store_.beginBatch();
}

Batch::~Batch()
{
    if (open_)
        store_.endBatch(false);
}

void Batch::commit()
{
    open_ = false;
    store_.endBatch(true);
}

} // namespace collab::store
