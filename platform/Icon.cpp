#include "Icon.h"

#include <map>
#include <memory>

#include <QIcon>
#include <QPixmap>

#include "Resources.h"

class CIconResource {
public:
    QIcon icon;
};

HICON AfxLoadIcon(UINT nIDResource)
{
    static std::map<UINT, std::unique_ptr<CIconResource>> loaded;
    auto it = loaded.find(nIDResource);
    if (it != loaded.end())
        return it->second.get();
    const char* const* large = AfxFindIconImage(nIDResource, 32);
    if (!large)
        return nullptr;
    auto res = std::make_unique<CIconResource>();
    res->icon.addPixmap(QPixmap(large));
    if (const char* const* small = AfxFindIconImage(nIDResource, 16))
        res->icon.addPixmap(QPixmap(small));
    return loaded.emplace(nIDResource, std::move(res)).first->second.get();
}

const QIcon& AfxIconOf(HICON hIcon)
{
    static const QIcon none;
    return hIcon ? hIcon->icon : none;
}

QPixmap AfxIconPixmap(UINT nIDResource, int size)
{
    const char* const* image = AfxFindIconImage(nIDResource, size);
    return image ? QPixmap(image) : QPixmap();
}
