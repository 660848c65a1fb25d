#include <QtTest>
class TestPackageWorkflow : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestPackageWorkflow)
#include "tst_packageworkflow.moc"
